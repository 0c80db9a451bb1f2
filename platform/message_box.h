#pragma once
#include <windows.h>

#include <string>

namespace platform {

// The title of a message box that is given none of its own.
inline constexpr wchar_t programTitle[] = L"NorvasquelSetup";

// Shows a modal message box and returns the button pressed. owner may be null.
int showMessageBox(HWND owner, const std::wstring& text, unsigned style, const std::wstring& title = programTitle);

}  // namespace platform
