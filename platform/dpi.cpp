#include "platform/dpi.h"

#include "platform/error.h"

namespace platform {

namespace {

// Windows 10 functions, looked up at run time so that the program starts on Windows 7.
template <typename Function>
Function user32Function(const char* name)
{
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)))
                  : nullptr;
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

unsigned windowDpi(HWND window)
{
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<unsigned>(dpi) : 96;
}

SIZE windowSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, unsigned dpi)
{
    static const auto adjustForDpi = user32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    const BOOL adjusted = adjustForDpi != nullptr ? adjustForDpi(&frame, style, FALSE, exStyle, dpi)
                                                  : AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    if (!adjusted) {
        raiseLastError();
    }
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace platform
