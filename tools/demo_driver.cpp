// demo_driver PROGRAM FOLDER [install|look]
// Drives the tool for tools/run.sh and tools/screenshot.sh as a person would. It starts
// PROGRAM, waits for its window, writes the window's rectangle to FOLDER\window.txt and waits
// for FOLDER\window.go (made once the caller has taken its screenshot). With "install" (the
// default) it then presses "تحميل", reads the message box that follows, shows the caller the
// box the same way (box.txt, box.go) and presses its OK button; at the end it presses "خروج"
// and waits for the tool to close. What it saw goes, in UTF-8, to FOLDER\report.txt; a failure
// is reported there as "error=...".
#include "tests/support/driven_tool.h"
#include "tests/support/files.h"
#include "tests/support/texts.h"

#include <windows.h>

#include <string>

using namespace testing_support;

namespace {

std::wstring folder;

void writeFile(const std::wstring& name, const std::wstring& text)
{
    const std::string bytes = utf8(text);
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

// Writes the window's rectangle to NAME.txt and waits until the caller, having taken its
// screenshot, makes NAME.go; false if it never does.
bool showToCaller(const std::wstring& name, HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    writeFile(name + L".txt", std::to_wstring(frame.left) + L" " + std::to_wstring(frame.top) + L" " +
                                  std::to_wstring(frame.right - frame.left) + L" " +
                                  std::to_wstring(frame.bottom - frame.top) + L"\n");
    const std::wstring go = folder + L"\\" + name + L".go";
    for (int tries = 0; GetFileAttributesW(go.c_str()) == INVALID_FILE_ATTRIBUTES; ++tries) {
        if (tries == 1200) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        return 2;
    }
    folder = argv[2];
    const bool install = argc < 4 || std::wstring(argv[3]) != L"look";

    DrivenTool tool;
    tool.start(argv[1], L"", std::chrono::minutes(1));
    if (!tool.process.started()) {
        return fail(L"could not start " + std::wstring(argv[1]) + L", error " +
                    std::to_wstring(tool.process.startError()));
    }
    if (tool.window == nullptr) {
        return fail(L"the tool showed no window captioned " + std::wstring(windowCaption));
    }
    if (!showToCaller(L"window", tool.window)) {
        return fail(L"no go from the caller");
    }

    std::wstring report;
    if (install) {
        if (tool.installButton == nullptr) {
            return fail(L"no button " + std::wstring(installCaption));
        }
        click(tool.installButton);
        bool shown = true;
        const auto box = answerNextBox(tool.process.id(), std::chrono::minutes(1), [&](const SeenBox&) {
            shown = showToCaller(L"box", shownBox(tool.process.id()));
        });
        if (!box) {
            return fail(L"no message box after pressing " + std::wstring(installCaption));
        }
        if (!shown) {
            return fail(L"no go from the caller");
        }
        report += L"title=" + box->title + L"\ntext=" + box->text + L"\n";
    }
    report += L"acp=" + std::to_wstring(GetACP()) + L"\n";

    if (tool.exitButton == nullptr) {
        return fail(L"no button " + std::wstring(exitCaption));
    }
    click(tool.exitButton);
    if (!tool.process.endsWithin(std::chrono::seconds(30))) {
        tool.process.terminate();
        return fail(L"the tool did not close after pressing " + std::wstring(exitCaption));
    }
    writeFile(L"report.txt", report + L"exit=" + std::to_wstring(tool.process.exitCode()) + L"\n");
    return 0;
}
