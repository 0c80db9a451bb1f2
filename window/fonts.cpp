#include "window/fonts.h"

#include "platform/error.h"
#include "window/layout.h"

namespace captions {

int fontHeight(int hundredthsOfPoint, unsigned dpi)
{
    return MulDiv(hundredthsOfPoint, static_cast<int>(dpi), 72 * 100);
}

int fontHeightAtLeast(int hundredthsOfPoint, unsigned dpi)
{
    return (hundredthsOfPoint * static_cast<int>(dpi) + 72 * 100 - 1) / (72 * 100);
}

platform::GdiObject<HFONT> createFont(int height, int weight)
{
    const HFONT font = CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ARABIC_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, layout::fontFace);
    if (font == nullptr) {
        platform::raiseLastError();
    }
    return platform::GdiObject<HFONT>(font);
}

}  // namespace captions
