#pragma once
#include <windows.h>
#include <usp10.h>

#include <string_view>

namespace platform {

// One line of text shaped by Uniscribe in the font selected into the device context, read right
// to left: the Arabic letters joined and put in the order and at the width that a reader sees.
// GDI's own text functions measure Arabic before shaping it under Wine.
class ShapedLine {
public:
    ShapedLine(HDC dc, std::wstring_view text);
    ~ShapedLine();
    ShapedLine(const ShapedLine&) = delete;
    ShapedLine& operator=(const ShapedLine&) = delete;

    int width() const { return width_; }
    // Draws the line in the device context's text colour with its left end at x and its top at
    // y, clipped to clip.
    void draw(int x, int y, const RECT& clip) const;

private:
    SCRIPT_STRING_ANALYSIS analysis_ = nullptr;
    int width_ = 0;
};

}  // namespace platform
