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

}  // namespace platform
