#pragma once
#include "window/layout.h"

#include <windows.h>

namespace captions {

// Gives the label the program's window procedure: it then draws its caption itself, shaped,
// right to left, in its font and its window's colours; class, style and text stay. Each line is
// flush with the label's right edge. Drawn brokenIntoLines, it breaks its caption between
// words to its width, its lines one text height apart from its top; drawn oneLine, it centres
// its line vertically, unless its box was made too narrow for one line, where it breaks it too.
void replaceLabelProcedure(HWND label, layout::Drawing drawing);

}  // namespace captions
