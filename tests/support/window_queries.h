#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// A window's text, read through the window system, so also from another process.
std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
// The children in z-order, topmost first.
std::vector<HWND> childrenOf(HWND parent);

}  // namespace testing_support
