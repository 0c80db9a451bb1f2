#pragma once
#include <windows.h>

namespace buttons {

// From now on the push button is the window's default button while it has the focus, and a
// plain one otherwise, as a dialog makes a button that Tab reaches: Enter presses the focused
// button however it got the focus (at start, by Tab, by the mouse, or given back after a box).
void makeDefaultWhileFocused(HWND button);

}  // namespace buttons
