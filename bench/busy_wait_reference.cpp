// busy_wait_reference: the polling reference, a yardstick for the tool's wait. It waits by asking
// for the script's exit code in a loop with no pause, then writes the line and shows the box.
// Its window has the tool's caption and an install button with the tool's text and id. The
// button starts Components\Is32BitNorvasquel.bat beside the program through cmd.exe with the
// tool's own code, and then waits by polling: it opens the process by its id with
// PROCESS_QUERY_INFORMATION and loops, asking for the exit code and handling every pending
// message, with no pause, until the code is no longer STILL_ACTIVE (259); then it appends the
// completion line to c:\InstallationLog.txt through the tool's writer and shows the tool's
// success box, titled with the window's caption as it reads it then. It carries the tool's
// manifest and loads the common controls at its start as the tool does: a box with visual styles
// takes a few milliseconds longer to come up than one without. Not part of the product.
#include "bench/window_classes.h"
#include "commands/install_command.h"
#include "commands/install_plan.h"
#include "logging/completion_watcher.h"
#include "platform/error.h"
#include "platform/safe_start.h"
#include "tests/support/texts.h"
#include "window/caption_text.h"
#include "window/layout.h"

#include <windows.h>

namespace {

void install(HWND window)
{
    // Keep only the process id: the wait opens the process by it.
    const unsigned long id = commands::startSetupScript(commands::option32).id;
    const std::wstring description = commands::processDescription(testing_support::option32Caption);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, id);
    DWORD exitCode = STILL_ACTIVE;
    for (;;) {
        GetExitCodeProcess(process, &exitCode);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (exitCode != STILL_ACTIVE) {
            break;
        }
    }
    CloseHandle(process);

    logging::appendCompletionLine(description);
    MessageBoxW(window, testing_support::successText, captions::textOf(window).c_str(), MB_OK | MB_ICONINFORMATION);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == layout::installButtonId && HIWORD(wParam) == BN_CLICKED) {
            try {
                install(window);
            } catch (const platform::Error& error) {
                MessageBoxW(window, error.description().c_str(), testing_support::windowCaption,
                            MB_OK | MB_ICONERROR);
            }
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    try {
        platform::initCommonControls();
    } catch (const platform::Error&) {
        return 1;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = bench::pollingReferenceClass;
    if (RegisterClassExW(&windowClass) == 0) {
        return 1;
    }
    const HWND window = CreateWindowExW(0, bench::pollingReferenceClass, testing_support::windowCaption,
                                        WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400, 200, nullptr,
                                        nullptr, instance, nullptr);
    if (window == nullptr ||
        CreateWindowExW(0, L"BUTTON", testing_support::installCaption,
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 270, 110, 105, 33, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout::installButtonId)), instance,
                        nullptr) == nullptr) {
        return 1;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
