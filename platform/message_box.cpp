#include "platform/message_box.h"

#include "platform/error.h"

namespace platform {

int showMessageBox(HWND owner, const std::wstring& text, unsigned style, const std::wstring& title)
{
    const int pressed = MessageBoxW(owner, text.c_str(), title.c_str(), style);
    if (pressed == 0) {
        raiseLastError();
    }
    return pressed;
}

void showOutOfMemoryBox(HWND owner, const wchar_t* suffix) noexcept
{
    wchar_t text[descriptionCapacity];
    size_t length = systemDescriptionInto(ERROR_NOT_ENOUGH_MEMORY, text, descriptionCapacity);
    for (; *suffix != L'\0' && length + 1 < descriptionCapacity; ++suffix) {
        text[length++] = *suffix;
    }
    text[length] = L'\0';
    MessageBoxW(owner, text, programTitle, MB_OK);
}

}  // namespace platform
