#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// Captions measured and drawn shaped, right to left, in the font selected into the device context.
namespace captions {

// The height of one line of text.
int lineHeight(HDC dc);

int shapedWidth(HDC dc, std::wstring_view text);

// The text broken between words where the next word would not fit the width. A word wider
// than the width stands on a line of its own.
std::vector<std::wstring> brokenLines(HDC dc, std::wstring_view text, int width);

// Draws one line flush with right, its top at top, clipped to clip.
void drawFlushRight(HDC dc, std::wstring_view text, int right, int top, const RECT& clip);

// Fills the box with the background that the control's window gives it, as for its other
// labels, and lets the window set the colours.
void fillBackground(HWND control, HDC dc, const RECT& box);

// A window's text: a control's caption, or the main window's title.
std::wstring textOf(HWND control);

}  // namespace captions
