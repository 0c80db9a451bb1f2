#pragma once
#include "tests/support/driven_tool.h"

#include <windows.h>

#include <string>

namespace testing_support {

inline constexpr wchar_t e2eRoot[] = L"C:\\norvasquel e2e";
inline constexpr wchar_t fontsFile[] = L"C:\\norvasquel e2e\\fonts.txt";

// A copy of the built program in an application folder of its own (e2eRoot\<name>), started
// as a separate process and driven through its windows. Making one removes the scripts,
// their markers and the log; destroying it ends the process and releases waiting scripts.
class RunningTool : public DrivenTool {
public:
    explicit RunningTool(const std::wstring& name);
    ~RunningTool();
    RunningTool(const RunningTool&) = delete;
    RunningTool& operator=(const RunningTool&) = delete;

    // Components\IsBITSBitNorvasquel.bat: leaves the marker "ranBITS", which holds the folder
    // that the script started in, in UTF-8, optionally waits for
    // "releaseBITS", and ends with exit code 0.
    void writeScript(int bits, bool waitForRelease) const;
    void start();
    std::wstring marker(const std::wstring& name) const;
    // The control that has the program's keyboard focus, or null.
    HWND focus() const;
    // Waits up to 10 s for the focus to be on the control, then presses Enter there as the
    // keyboard would; false if the focus did not come.
    bool pressEnterOn(HWND control) const;
    // Has font_probe.dll write fontsFile from inside the program; false if the hook did not run there.
    bool writeFontsFromInside() const;

    std::wstring folder;
};

}  // namespace testing_support
