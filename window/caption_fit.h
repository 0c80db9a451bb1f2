#pragma once
#include <windows.h>

namespace captions {

enum class Growth {
    toTheLeft,  // one line (a label or an option button): grows to the left, keeping its right edge,
                // and downward to the line's height
    downward,   // lines broken to the box's width: grows downward
};

// The box that the control needs for its caption in the font, at least the planned one: as wide
// as the caption's shaped width (and an option's mark) and as high as its lines. It never
// reaches left of leftLimit (the picture strip), nor do wrapped lines reach below bottomLimit
// (the next control).
RECT fittedBox(HWND control, HFONT font, const RECT& planned, Growth growth, int leftLimit, int bottomLimit);

}  // namespace captions
