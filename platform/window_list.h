#pragma once
#include <windows.h>

#include <vector>

namespace platform {

// The program's open top-level windows of the given class, in the system's order.
std::vector<HWND> openProgramWindows(const wchar_t* className);

// Closes a window for good; raises an error when it can't.
void closeWindow(HWND window);

}  // namespace platform
