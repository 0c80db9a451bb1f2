#pragma once
#include <windows.h>

namespace captions {

enum class Lines { one, wrapped };

// From now on the label draws its caption itself, shaped and right to left, in its font and in
// the colours that its window gives it; its class, style and window text stay. Each line is flush
// with the label's right edge; a wrapped label breaks its caption between words to its width,
// its lines one text height apart from its top; a one-line label centres its line vertically,
// unless its box was made too narrow for one line, where it breaks it like a wrapped label.
void paintShaped(HWND label, Lines lines);

}  // namespace captions
