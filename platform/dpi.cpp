#include "platform/dpi.h"

#include "platform/error.h"
#include "platform/owned.h"
#include "platform/system_function.h"

namespace platform {

namespace {

// Windows 10 functions.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

unsigned windowDpi(HWND window)
{
    static const auto getDpiForWindow =
        systemFunction<GetDpiForWindowFunction>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    const WindowDc screen(GetDC(nullptr));
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSX);
    return dpi > 0 ? static_cast<unsigned>(dpi) : 96;
}

SIZE windowSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, unsigned dpi)
{
    static const auto adjustForDpi = systemFunction<AdjustWindowRectExForDpiFunction>(
        GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    const BOOL adjusted = adjustForDpi != nullptr ? adjustForDpi(&frame, style, FALSE, exStyle, dpi)
                                                  : AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    if (!adjusted) {
        raiseLastError();
    }
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace platform
