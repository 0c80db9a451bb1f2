#include "platform/events.h"

#include "platform/error.h"
#include "platform/process.h"

#include <optional>

namespace platform {

namespace {

// WM_QUIT pulled from the queue while a handler was still running.
std::optional<int> keptQuitCode;

void dispatch(MSG& message)
{
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsDialogMessageW(root, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// Handles every pending window message, keyboard navigation included, then returns.
// Click handlers may run nested inside it. A quit request met here is kept for the
// program's message loop instead of being lost.
void processPendingEvents()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            keptQuitCode = static_cast<int>(message.wParam);
            continue;
        }
        dispatch(message);
    }
}

}  // namespace

void waitHandlingEvents(HANDLE process)
{
    // Each pass: query, handle the window's events (clicks may nest here), test. Between
    // passes it sleeps until the process ends or input arrives.
    for (;;) {
        const bool ended = hasEnded(process);
        processPendingEvents();
        if (ended) {
            return;
        }
        if (MsgWaitForMultipleObjectsEx(1, &process, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_FAILED) {
            raiseLastError();
        }
    }
}

int runMessageLoop()
{
    for (;;) {
        if (keptQuitCode) {
            return *keptQuitCode;
        }
        MSG message;
        const BOOL result = GetMessageW(&message, nullptr, 0, 0);
        if (result == -1) {
            raiseLastError();
        }
        if (result == 0) {
            return static_cast<int>(message.wParam);
        }
        dispatch(message);
    }
}

}  // namespace platform
