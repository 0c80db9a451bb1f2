#pragma once
#include <windows.h>

// A control whose window procedure the program replaces with its own, to change how it draws
// or answers. The control's own procedure is kept in its user data, and gets every message
// that the program's does not handle.
namespace subclass {

inline void replaceProcedure(HWND control, WNDPROC procedure)
{
    SetWindowLongPtrW(control, GWLP_USERDATA, GetWindowLongPtrW(control, GWLP_WNDPROC));
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

inline LRESULT callOwnProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA)), control, message,
                           wParam, lParam);
}

}  // namespace subclass
