#pragma once
#include "window/layout.h"

#include <windows.h>

// The page and its captions as one readable pair. The table's colours stay where the system's
// button text reads on the white page; where it would not (a dark high-contrast theme), the page
// and every caption take the system's window and window-text colours.
namespace page {

struct Colours {
    COLORREF page = layout::white;
    // Every caption in the system's window-text colour, whatever colour the table gives it.
    bool systemPair = false;

    // The colour, read from the system as the caption is drawn, of a caption that the table gives
    // tableColour (systemTextColour or its own).
    COLORREF caption(COLORREF tableColour) const;
};

// Chooses the colours from the system's present ones and makes the window's class paint the page
// in them; the brush that it painted with before is deleted.
Colours applyTo(HWND window);

}  // namespace page
