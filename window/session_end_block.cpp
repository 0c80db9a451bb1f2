#include "window/session_end_block.h"

namespace session {

namespace {

// What Windows shows under the program's name when the user signs out or shuts down meanwhile.
constexpr wchar_t installRunningReason[] = L"يجري تثبيت ملفات التشغيل، انتظر حتى ينتهي";

}  // namespace

void EndBlock::hold(HWND window)
{
    // Where the reason can't be registered (Wine has no such screen), the refusal still stands.
    if (holds_++ == 0 && window != nullptr) {
        ShutdownBlockReasonCreate(window, installRunningReason);
    }
}

void EndBlock::let(HWND window)
{
    if (--holds_ == 0 && window != nullptr) {
        ShutdownBlockReasonDestroy(window);
    }
}

}  // namespace session
