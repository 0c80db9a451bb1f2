#pragma once
#include <windows.h>

#include <string>

namespace platform {

// The title of a message box that is given none of its own.
inline constexpr wchar_t programTitle[] = L"NorvasquelSetup";

// Shows a modal message box and returns the button pressed. owner may be null.
int showMessageBox(HWND owner, const std::wstring& text, unsigned style, const std::wstring& title = programTitle);

// The system's out-of-memory description followed by the suffix, in a box with OK, no icon and
// programTitle; it allocates nothing, so it still works when memory has run out.
void showOutOfMemoryBox(HWND owner, const wchar_t* suffix) noexcept;

}  // namespace platform
