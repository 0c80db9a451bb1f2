#include "window/caption_fit.h"

#include "platform/dpi.h"
#include "platform/owned.h"
#include "window/caption_text.h"
#include "window/fonts.h"
#include "window/painted_option.h"

#include <algorithm>

namespace captions {

namespace {

// Gives a control's device context back.
struct ReleaseControlDc {
    HWND control = nullptr;
    static bool holds(HDC dc) { return dc != nullptr; }
    void operator()(HDC dc) const { ReleaseDC(control, dc); }
};

// A font of the window's face, selected into a device context while it lives.
class SelectedFont {
public:
    SelectedFont(HDC dc, int height, int weight)
        : dc_(dc), font_(createFont(height, weight)), previous_(SelectObject(dc, font_.get()))
    {
    }
    ~SelectedFont() { SelectObject(dc_, previous_); }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    platform::GdiObject<HFONT> font_;
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
    return platform::twipsToPixels(toTheLeft ? limit->left + limit->width : limit->top, dpi);
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
    const platform::Owned<HDC, ReleaseControlDc> controlDc(GetDC(control), ReleaseControlDc{control});
    const HDC dc = controlDc.get();
    const std::wstring text = textOf(control);
    RECT box = planned;
    const int plannedHeight = fontHeight(item.font.size, dpi);

    if (item.growth.way == layout::Growth::Way::downward) {
        const SelectedFont font(dc, plannedHeight, item.font.weight);
        const auto lines = static_cast<int>(brokenLines(dc, text, box.right - box.left).size());
        box.bottom = std::min<LONG>(limit, std::max<LONG>(box.bottom, box.top + lines * lineHeight(dc)));
        return {box, plannedHeight, 0};
    }

    const int mark = item.drawing == layout::Drawing::optionBesideMark ? markRoom(control) : 0;
    const auto widthAt = [&](int height) {
        const SelectedFont font(dc, height, item.font.weight);
        return shapedWidth(dc, text) + mark;
    };
    const int smallest = item.growth.smallestSize != 0
                             ? std::min(plannedHeight, fontHeightAtLeast(item.growth.smallestSize, dpi))
                             : plannedHeight;
    const int room = box.right - limit;
    const LineFit fit = fitToRoom(room, plannedHeight, smallest, item.growth.secondLine, widthAt);

    const SelectedFont font(dc, fit.fontHeight, item.font.weight);
    const int line = lineHeight(dc);
    const LONG oneLineBottom = std::max<LONG>(box.bottom, box.top + line);
    if (!fit.brokenIntoLines) {
        box.left = std::max<LONG>(limit, std::min<LONG>(box.left, box.right - (shapedWidth(dc, text) + mark)));
        box.bottom = oneLineBottom;
        return {box, fit.fontHeight, 0};
    }
    box.left = limit;
    const auto lines = static_cast<int>(brokenLines(dc, text, room).size());
    box.bottom = std::max<LONG>(oneLineBottom, box.top + lines * line);
    return {box, fit.fontHeight, static_cast<int>(box.bottom - oneLineBottom)};
}

}  // namespace captions
