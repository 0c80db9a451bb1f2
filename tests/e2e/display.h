#pragma once
// What the tool's window shows on the display, read as a reader sees it.
#include "tests/e2e/window_table.h"
#include "tests/support/running_tool.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// The control of the running tool that the table names, found by its class and caption.
HWND find(const RunningTool& tool, const expected::Control& control);
// The control's rectangle in its window's client area.
RECT boxIn(HWND window, HWND control);

// The client area as the X display shows it.
class Picture {
public:
    explicit Picture(HWND window);
    bool taken() const { return rgb_.size() == 3u * expected::clientWidth * expected::clientHeight; }
    COLORREF at(int x, int y) const;
    // Counts the pixels of the rectangle that look accepts.
    int count(const RECT& rect, const std::function<bool(COLORREF)>& look) const;
    COLORREF mean(const RECT& rect) const;
    // The pixels of the rectangle that stand out from its commonest colour, its background, at a
    // WCAG 2 contrast of 4.5:1 or more: those that read.
    int readable(const RECT& rect) const;
    // For each column (or row) of the rectangle, whether it holds ink: a pixel darker than the page.
    std::vector<bool> inkColumns(const RECT& rect) const;
    std::vector<bool> inkRows(const RECT& rect) const;

private:
    std::string rgb_;
};

bool similar(COLORREF a, COLORREF b, int tolerance);

// High Contrast Black's colours in the prefix (HKCU\Control Panel\Colors) for the programs
// started meanwhile, as the theme sets them; then the default ones again.
struct HighContrastBlackInPrefix {
    HighContrastBlackInPrefix();
    ~HighContrastBlackInPrefix();
};

// Whether the programs that start now take the default colours, as the pictures need; if not,
// says how to set them back.
::testing::AssertionResult prefixHoldsDefaultColours();
// Under Wine, colours that a program sets with SetSysColors stay, over the prefix's own, for the
// programs started later; this forgets them.
void forgetSetColours();

// The stretches [begin, end) of true entries, offset by origin; stretches closer than gap apart
// count as one.
std::vector<std::pair<int, int>> stretches(const std::vector<bool>& marks, int origin, int gap);

}  // namespace testing_support
