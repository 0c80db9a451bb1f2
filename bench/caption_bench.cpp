// caption_bench: what drawing the captions shaped costs: loading usp10.dll, and one drawing of
// the four captions (measuring, breaking Label2 into lines, drawing) into a memory bitmap of the
// window's size, in the fonts of the window. Prints both in milliseconds.
#include "tests/e2e/window_table.h"
#include "window/caption_text.h"
#include "window/fonts.h"
#include "window/painted_option.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

double milliseconds(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// As the window draws them: Label2 broken into lines to its width, the others on one line,
// flush with their right edge; an option's caption left of its mark.
void drawCaptions(HDC dc)
{
    const RECT page{0, 0, expected::clientWidth, expected::clientHeight};
    for (const expected::Control& item : expected::controls) {
        if (item.kind != expected::Kind::label && item.kind != expected::Kind::option) {
            continue;
        }
        DeleteObject(SelectObject(dc, captions::createFont(item.fontHeight, item.weight).release()));
        const int right = item.box.right - (item.kind == expected::Kind::option ? captions::markRoom(96) : 0);
        const std::vector<std::wstring> lines =
            &item == &expected::label2 ? captions::brokenLines(dc, item.caption, item.box.right - item.box.left)
                                       : std::vector<std::wstring>{item.caption};
        int top = item.box.top;
        for (const std::wstring& line : lines) {
            captions::drawFlushRight(dc, line, right, top, page);
            top += captions::lineHeight(dc);
        }
    }
    DeleteObject(SelectObject(dc, GetStockObject(SYSTEM_FONT)));
}

}  // namespace

int wmain()
{
    LARGE_INTEGER start, loaded, ready, drawn, again;
    QueryPerformanceCounter(&start);
    // What the window's first shaped caption does first; looking up Uniscribe's four functions
    // then falls in the first drawing.
    LoadLibraryW(L"usp10.dll");
    QueryPerformanceCounter(&ready);

    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, expected::clientWidth, expected::clientHeight);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    // Wine reads the system's fonts at a process's first font; the window pays that anyway.
    TEXTMETRICW metrics;
    DeleteObject(SelectObject(dc, captions::createFont(19, FW_BOLD).release()));
    GetTextMetricsW(dc, &metrics);
    QueryPerformanceCounter(&loaded);
    drawCaptions(dc);
    QueryPerformanceCounter(&drawn);
    drawCaptions(dc);
    QueryPerformanceCounter(&again);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);

    std::printf("usp10.dll loaded: %.2f ms\ncaptions drawn, first time: %.2f ms\ncaptions drawn again: %.2f ms\n",
                milliseconds(start, ready), milliseconds(loaded, drawn), milliseconds(drawn, again));
    return 0;
}
