#include "window/page_colours.h"

#include "platform/error.h"
#include "platform/owned.h"

#include <algorithm>
#include <cmath>

namespace page {

namespace {

// WCAG 2: text that reads at the normal size.
constexpr double readableContrast = 4.5;

double relativeLuminance(COLORREF colour)
{
    const auto linear = [](BYTE channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
           0.0722 * linear(GetBValue(colour));
}

// The WCAG 2 contrast ratio of two colours, from 1 to 21.
double contrast(COLORREF a, COLORREF b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

Colours choose()
{
    if (contrast(GetSysColor(COLOR_BTNTEXT), layout::white) >= readableContrast) {
        return {layout::white, false};
    }
    return {GetSysColor(COLOR_WINDOW), true};
}

}  // namespace

COLORREF Colours::caption(COLORREF tableColour) const
{
    if (systemPair) {
        return GetSysColor(COLOR_WINDOWTEXT);
    }
    return tableColour == layout::systemTextColour ? GetSysColor(COLOR_BTNTEXT) : tableColour;
}

Colours applyTo(HWND window)
{
    const Colours colours = choose();
    platform::GdiObject<HBRUSH> brush(CreateSolidBrush(colours.page));
    if (!brush.valid()) {
        platform::raiseLastError();
    }
    // The class owns its brush: the one it painted with before goes when this returns.
    SetLastError(ERROR_SUCCESS);
    const platform::GdiObject<HBRUSH> previous(reinterpret_cast<HBRUSH>(
        SetClassLongPtrW(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush.get()))));
    if (!previous.valid() && GetLastError() != ERROR_SUCCESS) {
        platform::raiseLastError();
    }
    brush.release();
    return colours;
}

}  // namespace page
