// demo_driver PROGRAM FOLDER [install|look]
// Drives the tool for tools/run.sh and tools/screenshot.sh as a person would. It starts
// PROGRAM, waits for its window, writes the window's rectangle to FOLDER\window.txt and waits
// for FOLDER\go (made once the caller has taken its screenshot). With "install" (the default)
// it then presses "تحميل", reads the message box that follows and presses its OK button; at
// the end it presses "خروج" and waits for the tool to close. What it saw goes, in UTF-8, to
// FOLDER\report.txt; a failure is reported there as "error=...".
#include "tests/support/message_boxes.h"
#include "tests/support/window_queries.h"
#include "window/layout.h"

#include <windows.h>

#include <string>

using namespace testing_support;

namespace {

constexpr wchar_t installCaption[] = L"تحميل";
constexpr wchar_t exitCaption[] = L"خروج";

std::wstring folder;

void writeFile(const std::wstring& name, const std::wstring& text)
{
    std::string bytes(static_cast<size_t>(text.size() * 4), '\0');
    bytes.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                         bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                         nullptr)));
    // Written beside and then renamed, so that the caller never reads half a file.
    const std::wstring path = folder + L"\\" + name;
    const std::wstring partial = path + L".partial";
    const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

int fail(const std::wstring& reason)
{
    writeFile(L"report.txt", L"error=" + reason + L"\n");
    return 1;
}

struct Search {
    DWORD processId;
    const wchar_t* caption;
    HWND found = nullptr;
};

BOOL CALLBACK matchTopWindow(HWND window, LPARAM context)
{
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) &&
        textOf(window) == search.caption) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Waits up to a minute for the process's visible top-level window; gives up if it ends.
HWND waitForWindow(const PROCESS_INFORMATION& process, const wchar_t* caption)
{
    for (int tries = 0; tries < 1200; ++tries) {
        Search search{process.dwProcessId, caption};
        EnumWindows(matchTopWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            Sleep(300);  // let it finish drawing
            return search.found;
        }
        if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

HWND childButton(HWND parent, const wchar_t* caption)
{
    for (HWND child : childrenOf(parent)) {
        if (lstrcmpiW(classOf(child).c_str(), L"Button") == 0 && textOf(child) == caption) {
            return child;
        }
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        return 2;
    }
    folder = argv[2];
    const bool install = argc < 4 || std::wstring(argv[3]) != L"look";

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return fail(L"could not start " + std::wstring(argv[1]) + L", error " + std::to_wstring(GetLastError()));
    }
    const HWND window = waitForWindow(process, layout::caption);
    if (window == nullptr) {
        return fail(L"the tool showed no window captioned " + std::wstring(layout::caption));
    }
    RECT frame{};
    GetWindowRect(window, &frame);
    writeFile(L"window.txt", std::to_wstring(frame.left) + L" " + std::to_wstring(frame.top) + L" " +
                                 std::to_wstring(frame.right - frame.left) + L" " +
                                 std::to_wstring(frame.bottom - frame.top) + L"\n");
    const std::wstring go = folder + L"\\go";
    for (int tries = 0; GetFileAttributesW(go.c_str()) == INVALID_FILE_ATTRIBUTES; ++tries) {
        if (tries == 1200) {
            return fail(L"no go from the caller");
        }
        Sleep(50);
    }

    std::wstring report;
    if (install) {
        const HWND installButton = childButton(window, installCaption);
        if (installButton == nullptr) {
            return fail(L"no button " + std::wstring(installCaption));
        }
        PostMessageW(installButton, BM_CLICK, 0, 0);
        const auto box = answerNextBox(process.dwProcessId, std::chrono::minutes(1));
        if (!box) {
            return fail(L"no message box after pressing " + std::wstring(installCaption));
        }
        report += L"title=" + box->title + L"\ntext=" + box->text + L"\n";
    }
    report += L"acp=" + std::to_wstring(GetACP()) + L"\n";

    const HWND exitButton = childButton(window, exitCaption);
    if (exitButton == nullptr) {
        return fail(L"no button " + std::wstring(exitCaption));
    }
    PostMessageW(exitButton, BM_CLICK, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        return fail(L"the tool did not close after pressing " + std::wstring(exitCaption));
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    writeFile(L"report.txt", report + L"exit=" + std::to_wstring(exitCode) + L"\n");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
