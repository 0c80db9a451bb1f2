#pragma once
#include "tests/support/started_process.h"

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace testing_support {

// A window's text, read through the window system, so also from another process.
std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
// The children in z-order, topmost first.
std::vector<HWND> childrenOf(HWND parent);
// The parent's child of that class (any letter case) and text, or null.
HWND childOf(HWND parent, const wchar_t* windowClass, const std::wstring& text);
// A visible top-level window of the process with that class, or null; a null class matches any.
HWND topWindowOf(DWORD processId, const wchar_t* windowClass);
// Waits for the process's visible top-level window with that text, and then for its first
// paint; null if it did not come in time or the process ended.
HWND waitForTopWindow(const StartedProcess& process, const std::wstring& text,
                      std::chrono::milliseconds timeout = std::chrono::minutes(1));
// Waits for the window to be destroyed; false if it still exists after the timeout.
bool waitForWindowToClose(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace testing_support
