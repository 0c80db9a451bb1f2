#pragma once
#include <string>

// The setup scripts Components\Is32BitNorvasquel.bat and Is64BitNorvasquel.bat of an
// application folder, as the tests and the benchmark write them.
namespace testing_support {

inline std::wstring quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

// Components\NAME in the application folder: a script or one of its markers.
std::wstring componentPath(const std::wstring& appFolder, const std::wstring& name);
// Writes the script in the ANSI code page, as cmd.exe reads it.
void writeScript(const std::wstring& appFolder, int bits, const std::wstring& text);
// A script that has script_helper.exe (beside the test program) leave the marker "ranBITS"
// beside it, optionally wait for "releaseBITS" there, and then runs its last line.
std::wstring helperScript(int bits, bool waitForRelease, const std::wstring& lastLine = L"exit /b 0");
// Removes both scripts and their markers.
void removeScripts(const std::wstring& appFolder);
// Lets scripts that wait for their release end.
void releaseScripts(const std::wstring& appFolder);

}  // namespace testing_support
