#pragma once
#include "window/layout.h"

#include <windows.h>

namespace captions {

// From now on the label draws its caption itself, shaped and right to left, in its font and in
// the colours that its window gives it; its class, style and window text stay. Each line is
// flush with the label's right edge. Drawn brokenIntoLines, it breaks its caption between
// words to its width, its lines one text height apart from its top; drawn oneLine, it centres
// its line vertically, unless its box was made too narrow for one line, where it breaks it too.
void paintShaped(HWND label, layout::Drawing drawing);

}  // namespace captions
