#include "tests/support/running_tool.h"

#include "platform/system_function.h"
#include "tests/support/files.h"
#include "tests/support/window_queries.h"
#include "window/layout.h"

#include <thread>

namespace testing_support {

using namespace std::chrono_literals;

RunningTool::RunningTool(const std::wstring& name) : folder(std::wstring(e2eRoot) + L"\\" + name)
{
    for (const std::wstring& path : {std::wstring(e2eRoot), folder, folder + L"\\Components"}) {
        CreateDirectoryW(path.c_str(), nullptr);
    }
    CopyFileW((ownFolder() + L"\\..\\bin\\NorvasquelSetup.exe").c_str(), (folder + L"\\NorvasquelSetup.exe").c_str(),
              FALSE);
    for (const wchar_t* file : {L"Is32BitNorvasquel.bat", L"Is64BitNorvasquel.bat", L"ran32", L"ran64",
                                L"release32", L"release64"}) {
        removeFile(marker(file));
    }
    removeFile(logPath);
}

RunningTool::~RunningTool()
{
    if (process.hProcess != nullptr) {
        TerminateProcess(process.hProcess, 1);  // fails harmlessly once it has ended
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    writeBytes(marker(L"release32"), "");
    writeBytes(marker(L"release64"), "");
}

void RunningTool::writeScript(int bits, bool waitForRelease) const
{
    const std::wstring helper = L"\"" + ownFolder() + L"\\script_helper.exe\"";
    const std::wstring tag = std::to_wstring(bits);
    std::wstring script = L"@echo off\r\n" + helper + L" touch \"%~dp0ran" + tag + L"\"\r\n";
    if (waitForRelease) {
        script += helper + L" wait \"%~dp0release" + tag + L"\"\r\n";
    }
    writeBytes(marker(L"Is" + tag + L"BitNorvasquel.bat"), ansi(script + L"exit /b 0\r\n"));
}

void RunningTool::start()
{
    std::wstring commandLine = L"\"" + folder + L"\\NorvasquelSetup.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        return;
    }
    for (int tries = 0; tries < 500 && window == nullptr; ++tries) {
        std::this_thread::sleep_for(20ms);
        for (HWND candidate = GetTopWindow(nullptr); candidate != nullptr; candidate = GetWindow(candidate, GW_HWNDNEXT)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(candidate, &owner);
            if (owner == process.dwProcessId && IsWindowVisible(candidate) && textOf(candidate) == layout::caption) {
                window = candidate;
            }
        }
    }
    std::this_thread::sleep_for(300ms);  // the first paint and the initial focus
}

HWND RunningTool::child(const wchar_t* windowClass, const std::wstring& text) const
{
    for (HWND candidate : childrenOf(window)) {
        if (lstrcmpiW(classOf(candidate).c_str(), windowClass) == 0 && textOf(candidate) == text) {
            return candidate;
        }
    }
    return nullptr;
}

bool RunningTool::endsWithin(std::chrono::milliseconds timeout) const
{
    return WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD RunningTool::exitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
}

bool RunningTool::writeFontsFromInside() const
{
    removeFile(fontsFile);
    const HMODULE dll = LoadLibraryW((ownFolder() + L"\\font_probe.dll").c_str());
    const auto procedure = platform::systemFunction<HOOKPROC>(dll, sizeof(void*) == 4 ? "probeFonts@12" : "probeFonts");
    const HHOOK hook = procedure ? SetWindowsHookExW(WH_GETMESSAGE, procedure, dll, process.dwThreadId) : nullptr;
    PostMessageW(window, RegisterWindowMessageW(L"NorvasquelFontProbe"), 0, 0);
    const bool written = hook != nullptr && waitForFile(fontsFile);
    UnhookWindowsHookEx(hook);
    return written;
}

bool waitForFile(const std::wstring& path)
{
    for (int tries = 0; tries < 1500 && !exists(path); ++tries) {
        std::this_thread::sleep_for(20ms);
    }
    return exists(path);
}

std::vector<std::string> logLines()
{
    std::vector<std::string> lines;
    const std::string log = readBytes(logPath);
    for (size_t start = 0; start < log.size();) {
        const size_t end = std::min(log.find("\r\n", start), log.size());
        lines.push_back(log.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace testing_support
