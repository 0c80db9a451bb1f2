#pragma once
#include "platform/owned.h"
#include "window/layout.h"

#include <windows.h>

#include <functional>

namespace captions {

// The font height and lines that a one-line caption takes in the room, in this order: as laid
// out; else the largest smaller height that fits, down to smallestHeight; else, where a second
// line is allowed, smallestHeight broken into lines. Where nothing fits and no second line is
// allowed, it keeps its planned height on one line. widthAt gives its width at a height.
struct LineFit {
    int fontHeight;
    bool brokenIntoLines;
};
LineFit fitToRoom(int room, int plannedHeight, int smallestHeight, bool secondLine,
                  const std::function<int(int height)>& widthAt);

// A control's caption fitted, as its entry allows, to the face that the system gives: its box,
// never reaching past its growth's limit (the picture strip's right edge, or the top of the
// control below), the font it takes, and how much lower its lines reach than one line would.
struct FittedCaption {
    RECT box;
    platform::GdiObject<HFONT> font;
    int secondLineHeight;
};
FittedCaption fitCaption(HWND control, const layout::Control& item, const RECT& planned, unsigned dpi);

}  // namespace captions
