#include "window/painted_label.h"

#include "platform/shaped_line.h"
#include "window/caption_text.h"

namespace captions {

namespace {

// The label's own window procedure, kept in its user data.
WNDPROC previousProcedure(HWND label)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(label, GWLP_USERDATA));
}

void paint(HWND label, HDC dc, Lines lines)
{
    RECT box{};
    GetClientRect(label, &box);
    // The window sets the colours and gives the background brush, as for its other labels.
    const auto background = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    if (background != nullptr) {
        FillRect(dc, &box, background);
    }
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    const std::wstring text = textOf(label);
    const int height = lineHeight(dc);
    if (lines == Lines::one) {
        const platform::ShapedLine whole(dc, text);
        if (whole.width() <= box.right) {
            whole.draw(box.right - whole.width(), (box.bottom - height) / 2, box);
            return;
        }
    }
    int top = 0;
    for (const std::wstring& line : brokenLines(dc, text, box.right)) {
        drawFlushRight(dc, line, box.right, top, box);
        top += height;
    }
}

LRESULT labelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam, Lines lines)
{
    if (message != WM_PAINT) {
        return CallWindowProcW(previousProcedure(label), label, message, wParam, lParam);
    }
    PAINTSTRUCT paintStruct{};
    const HDC dc = BeginPaint(label, &paintStruct);
    const int saved = SaveDC(dc);
    try {
        paint(label, dc, lines);
    } catch (...) {
        // No exception may cross the window system; what is drawn so far stays.
    }
    RestoreDC(dc, saved);
    EndPaint(label, &paintStruct);
    return 0;
}

LRESULT CALLBACK oneLineProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    return labelProcedure(label, message, wParam, lParam, Lines::one);
}

LRESULT CALLBACK wrappedProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    return labelProcedure(label, message, wParam, lParam, Lines::wrapped);
}

}  // namespace

void paintShaped(HWND label, Lines lines)
{
    SetWindowLongPtrW(label, GWLP_USERDATA, GetWindowLongPtrW(label, GWLP_WNDPROC));
    SetWindowLongPtrW(label, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(lines == Lines::one ? oneLineProcedure : wrappedProcedure));
}

}  // namespace captions
