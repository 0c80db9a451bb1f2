#pragma once
#include <windows.h>
#include <commctrl.h>

namespace captions {

// The width that an option button's selection mark takes at its right end, with the gap to
// its caption, at the dpi of the window's fonts and boxes.
int markRoom(unsigned dpi);

// Answers an option button's NM_CUSTOMDRAW: at the start of its paint, draws its background,
// its selection mark at the right end, its caption shaped and right to left beside the mark and
// the focus cue, and tells the button to draw nothing itself. It stays a radio button with its
// check state, arrow keys and focus. The mark is sized for dpi, that of the window's fonts.
LRESULT paintOption(const NMCUSTOMDRAW& draw, unsigned dpi);

}  // namespace captions
