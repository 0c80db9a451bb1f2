#pragma once
#include <windows.h>

namespace platform {

// The dots per inch of the monitor that shows the window (of the system on Windows
// before 10, which has no per-window value).
unsigned windowDpi(HWND window);

// The outer size of a window whose client area is clientWidth x clientHeight at that dpi.
SIZE windowSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, unsigned dpi);

// A length in twips (1/1440 inch) in pixels at the given dpi.
inline int twipsToPixels(int twips, unsigned dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

}  // namespace platform
