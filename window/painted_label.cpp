#include "window/painted_label.h"

#include "platform/shaped_line.h"
#include "window/caption_text.h"
#include "window/subclass.h"

namespace captions {

namespace {

void paint(HWND label, HDC dc, layout::Drawing drawing)
{
    RECT box{};
    GetClientRect(label, &box);
    fillBackground(label, dc, box);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    const std::wstring text = textOf(label);
    const int height = lineHeight(dc);
    if (drawing == layout::Drawing::oneLine) {
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

LRESULT labelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam, layout::Drawing drawing)
{
    if (message != WM_PAINT) {
        return subclass::callOwnProcedure(label, message, wParam, lParam);
    }
    PAINTSTRUCT paintStruct{};
    const HDC dc = BeginPaint(label, &paintStruct);
    const int saved = SaveDC(dc);
    try {
        paint(label, dc, drawing);
    } catch (...) {
        // No exception may cross the window system; what is drawn so far stays.
    }
    RestoreDC(dc, saved);
    EndPaint(label, &paintStruct);
    return 0;
}

LRESULT CALLBACK oneLineProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    return labelProcedure(label, message, wParam, lParam, layout::Drawing::oneLine);
}

LRESULT CALLBACK brokenIntoLinesProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    return labelProcedure(label, message, wParam, lParam, layout::Drawing::brokenIntoLines);
}

}  // namespace

void replaceLabelProcedure(HWND label, layout::Drawing drawing)
{
    subclass::replaceProcedure(label,
                               drawing == layout::Drawing::oneLine ? oneLineProcedure : brokenIntoLinesProcedure);
}

}  // namespace captions
