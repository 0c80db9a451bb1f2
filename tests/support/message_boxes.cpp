#include "tests/support/message_boxes.h"

#include "tests/support/window_queries.h"

#include <thread>

namespace testing_support {

std::optional<SeenBox> answerNextBox(DWORD processId, std::chrono::milliseconds timeout,
                                     const std::function<void(const SeenBox&)>& whileShown)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    HWND box = nullptr;
    while ((box = shownBox(processId)) == nullptr) {
        if (std::chrono::steady_clock::now() > deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // Let the box finish laying itself out before it is read.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    SeenBox seen;
    seen.title = textOf(box);
    seen.text = textOf(GetDlgItem(box, 0xFFFF));
    HWND okButton = nullptr;
    for (HWND child : childrenOf(box)) {
        if (!IsWindowVisible(child)) {
            continue;
        }
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (classOf(child) == L"Button") {
            ++seen.buttons;
            okButton = child;
        } else if (classOf(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON &&
                   SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            seen.hasIcon = true;
        }
    }
    if (whileShown) {
        whileShown(seen);
    }
    // The button's command, as its click sends it to the box (BM_CLICK itself takes Wine two seconds).
    if (okButton != nullptr) {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(okButton), BN_CLICKED),
                     reinterpret_cast<LPARAM>(okButton));
    } else {
        PostMessageW(box, WM_CLOSE, 0, 0);
    }
    waitForWindowToClose(box, timeout);
    return seen;
}

HWND shownBox(DWORD processId)
{
    return topWindowOf(processId, L"#32770");
}

bool isShowingBox(DWORD processId)
{
    return shownBox(processId) != nullptr;
}

}  // namespace testing_support
