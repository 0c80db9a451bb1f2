#include "window/painted_option.h"

#include "window/caption_text.h"

#include <algorithm>

namespace captions {

namespace {

// The size of the mark that the common controls draw: 13 pixels at 96 dpi.
int markSize(unsigned dpi)
{
    return MulDiv(12, static_cast<int>(dpi), 96) + 1;
}

void paint(const NMCUSTOMDRAW& draw, unsigned dpi)
{
    const HWND option = draw.hdr.hwndFrom;
    const HDC dc = draw.hdc;
    const RECT box = draw.rc;
    fillBackground(option, dc, box);

    const int size = markSize(dpi);
    const int middle = (box.top + box.bottom) / 2;
    RECT mark{box.right - size, middle - size / 2, box.right, middle - size / 2 + size};
    const LRESULT state = SendMessageW(option, BM_GETSTATE, 0, 0);
    UINT markState = DFCS_BUTTONRADIO;
    markState |= (state & BST_CHECKED) ? DFCS_CHECKED : 0;
    markState |= (state & BST_PUSHED) ? DFCS_PUSHED : 0;
    markState |= IsWindowEnabled(option) ? 0 : DFCS_INACTIVE;
    DrawFrameControl(dc, &mark, DFC_BUTTON, markState);

    // The caption takes the colour that the window set when fillBackground asked, as the labels do.
    SetBkMode(dc, TRANSPARENT);
    if (!IsWindowEnabled(option)) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(option, WM_GETFONT, 0, 0)));
    const std::wstring text = textOf(option);
    const int height = lineHeight(dc);
    const int right = box.right - markRoom(dpi);
    const int top = middle - height / 2;
    RECT captionClip = box;
    captionClip.right = right;
    drawFlushRight(dc, text, right, top, captionClip);

    const bool focusHidden = (SendMessageW(option, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
    if ((draw.uItemState & CDIS_FOCUS) && !focusHidden) {
        RECT focus{right - shapedWidth(dc, text) - 1, std::max<LONG>(box.top, top), right + 1,
                   std::min<LONG>(box.bottom, top + height)};
        focus.left = std::max<LONG>(focus.left, box.left);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace

int markRoom(unsigned dpi)
{
    const int size = markSize(dpi);
    return size + size / 3;
}

LRESULT paintOption(const NMCUSTOMDRAW& draw, unsigned dpi)
{
    if (draw.dwDrawStage != CDDS_PREPAINT) {
        return CDRF_DODEFAULT;
    }
    const int saved = SaveDC(draw.hdc);
    try {
        paint(draw, dpi);
    } catch (...) {
        // No exception may cross the window system; what is drawn so far stays.
    }
    RestoreDC(draw.hdc, saved);
    return CDRF_SKIPDEFAULT;
}

}  // namespace captions
