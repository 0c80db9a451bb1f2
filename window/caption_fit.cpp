#include "window/caption_fit.h"

#include "platform/dpi.h"
#include "platform/owned.h"
#include "window/caption_text.h"
#include "window/fonts.h"
#include "window/painted_option.h"

#include <algorithm>

namespace captions {

namespace {

// A font selected into a device context while this lives; the previous one is put back.
class SelectedFont {
public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
    ~SelectedFont() { SelectObject(dc_, previous_); }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// What a caption's growth may not pass: the picture strip's right edge, or the top of the
// control below.
int limitOf(const layout::Control& item, unsigned dpi)
{
    const layout::Control* limit = layout::find(item.growth.limit);
    if (limit == nullptr) {
        return 0;
    }
    const bool toTheLeft = item.growth.way == layout::Growth::Way::toTheLeft;
    return platform::twipsToPixels(toTheLeft ? limit->right : limit->top, dpi);
}

}  // namespace

LineFit fitToRoom(int room, int plannedHeight, int smallestHeight, bool secondLine,
                  const std::function<int(int height)>& widthAt)
{
    for (int height = plannedHeight; height >= smallestHeight; --height) {
        if (widthAt(height) <= room) {
            return {height, false};
        }
    }
    return secondLine ? LineFit{smallestHeight, true} : LineFit{plannedHeight, false};
}

FittedCaption fitCaption(HWND control, const layout::Control& item, const RECT& planned, unsigned dpi)
{
    const int limit = limitOf(item, dpi);
    const platform::WindowDc controlDc(GetDC(control), {control});
    const HDC dc = controlDc.get();
    const std::wstring text = textOf(control);
    RECT box = planned;
    const int plannedHeight = fontHeight(item.font.size, dpi);

    if (item.growth.way == layout::Growth::Way::downward) {
        auto font = createFont(plannedHeight, item.font.weight);
        const SelectedFont selected(dc, font.get());
        const auto lines = static_cast<int>(brokenLines(dc, text, box.right - box.left).size());
        box.bottom = std::min<LONG>(limit, std::max<LONG>(box.bottom, box.top + lines * lineHeight(dc)));
        return {box, std::move(font), 0};
    }

    const int mark = item.drawing == layout::Drawing::optionBesideMark ? markRoom(dpi) : 0;
    // The last height measured, with its font and width: the fit settles on it, so the caption
    // need not be made and shaped again at that height.
    struct Measured {
        int height = 0;
        platform::GdiObject<HFONT> font;
        int width = 0;
    } measured;
    const auto widthAt = [&](int height) {
        measured.height = height;
        measured.font = createFont(height, item.font.weight);
        const SelectedFont selected(dc, measured.font.get());
        measured.width = shapedWidth(dc, text) + mark;
        return measured.width;
    };
    const int smallest = item.growth.smallestSize != 0
                             ? std::min(plannedHeight, fontHeightAtLeast(item.growth.smallestSize, dpi))
                             : plannedHeight;
    const int room = box.right - limit;
    const LineFit fit = fitToRoom(room, plannedHeight, smallest, item.growth.secondLine, widthAt);
    if (fit.fontHeight != measured.height) {
        widthAt(fit.fontHeight);  // nothing fitted: back to the planned height
    }

    auto font = std::move(measured.font);
    const SelectedFont selected(dc, font.get());
    const int line = lineHeight(dc);
    const LONG oneLineBottom = std::max<LONG>(box.bottom, box.top + line);
    if (!fit.brokenIntoLines) {
        box.left = std::max<LONG>(limit, std::min<LONG>(box.left, box.right - measured.width));
        box.bottom = oneLineBottom;
        return {box, std::move(font), 0};
    }
    box.left = limit;
    const auto lines = static_cast<int>(brokenLines(dc, text, room).size());
    box.bottom = std::max<LONG>(oneLineBottom, box.top + lines * line);
    return {box, std::move(font), static_cast<int>(box.bottom - oneLineBottom)};
}

}  // namespace captions
