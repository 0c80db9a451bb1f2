#include "tests/support/running_tool.h"

#include "platform/system_function.h"
#include "tests/support/files.h"
#include "tests/support/setup_scripts.h"

#include <thread>

namespace testing_support {

using namespace std::chrono_literals;

RunningTool::RunningTool(const std::wstring& name) : folder(std::wstring(e2eRoot) + L"\\" + name)
{
    CreateDirectoryW(e2eRoot, nullptr);
    layOutApplicationFolder(folder, builtProgram());
    removeScripts(folder);
    removeFile(logPath);
}

RunningTool::~RunningTool()
{
    process.terminate();
    releaseScripts(folder);
}

void RunningTool::writeScript(int bits, bool waitForRelease) const
{
    testing_support::writeScript(folder, bits, helperScript(bits, waitForRelease));
}

std::wstring RunningTool::marker(const std::wstring& name) const
{
    return componentPath(folder, name);
}

void RunningTool::start()
{
    // Started from another folder than its own: what it starts must not depend on that.
    DrivenTool::start(folder + L"\\NorvasquelSetup.exe", e2eRoot, 10s);
}

HWND RunningTool::focus() const
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    return GetGUIThreadInfo(process.threadId(), &thread) ? thread.hwndFocus : nullptr;
}

bool RunningTool::pressEnterOn(HWND control) const
{
    for (auto waited = 0ms; focus() != control; waited += 20ms) {
        if (waited > 10s) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    PostMessageW(control, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(control, WM_KEYUP, VK_RETURN, 0xC01C0001);
    return true;
}

bool RunningTool::writeFontsFromInside() const
{
    removeFile(fontsFile);
    const HMODULE dll = LoadLibraryW((ownFolder() + L"\\font_probe.dll").c_str());
    const auto procedure = platform::systemFunction<HOOKPROC>(dll, sizeof(void*) == 4 ? "probeFonts@12" : "probeFonts");
    const HHOOK hook = procedure ? SetWindowsHookExW(WH_GETMESSAGE, procedure, dll, process.threadId()) : nullptr;
    PostMessageW(window, RegisterWindowMessageW(L"NorvasquelFontProbe"), 0, 0);
    const bool written = hook != nullptr && waitForFile(fontsFile);
    UnhookWindowsHookEx(hook);
    return written;
}

}  // namespace testing_support
