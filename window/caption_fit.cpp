#include "window/caption_fit.h"

#include "window/caption_text.h"
#include "window/painted_option.h"

#include <algorithm>

namespace captions {

namespace {

// The control's device context with a font selected, given back when it goes out of scope.
class ControlDc {
public:
    ControlDc(HWND control, HFONT font) : control_(control), dc_(GetDC(control)), previous_(SelectObject(dc_, font)) {}
    ~ControlDc()
    {
        SelectObject(dc_, previous_);
        ReleaseDC(control_, dc_);
    }
    ControlDc(const ControlDc&) = delete;
    ControlDc& operator=(const ControlDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND control_;
    HDC dc_;
    HGDIOBJ previous_;
};

bool isOption(HWND control)
{
    return (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

}  // namespace

RECT fittedBox(HWND control, HFONT font, const RECT& planned, Growth growth, int leftLimit, int bottomLimit)
{
    const ControlDc controlDc(control, font);
    const HDC dc = controlDc.get();
    RECT box = planned;
    const std::wstring text = textOf(control);
    if (growth == Growth::toTheLeft) {
        const int needed = shapedWidth(dc, text) + (isOption(control) ? markRoom(control) : 0);
        box.left = std::max<LONG>(leftLimit, std::min<LONG>(box.left, box.right - needed));
        box.bottom = std::max<LONG>(box.bottom, box.top + lineHeight(dc));
    } else {
        const auto lines = static_cast<int>(brokenLines(dc, text, box.right - box.left).size());
        box.bottom = std::min<LONG>(bottomLimit, std::max<LONG>(box.bottom, box.top + lines * lineHeight(dc)));
    }
    return box;
}

}  // namespace captions
