#include "window/default_while_focused.h"

#include "window/subclass.h"

namespace buttons {

namespace {

LRESULT CALLBACK buttonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = subclass::callOwnProcedure(button, message, wParam, lParam);
    // The dialog manager presses the focused button on Enter only when it is the default one.
    if (message == WM_SETFOCUS) {
        SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    } else if (message == WM_KILLFOCUS) {
        SendMessageW(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
    return result;
}

}  // namespace

void makeDefaultWhileFocused(HWND button)
{
    subclass::replaceProcedure(button, buttonProcedure);
}

}  // namespace buttons
