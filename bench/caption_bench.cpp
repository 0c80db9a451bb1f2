// caption_bench: what drawing the captions shaped costs: loading usp10.dll, and one drawing of
// the four captions (measuring, breaking Label2 into lines, drawing) into a memory bitmap of the
// window's size, in the fonts of the window. Prints both in milliseconds.
#include "platform/shaped_line.h"
#include "window/caption_text.h"

#include <windows.h>

#include <cstdio>

namespace {

double milliseconds(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HFONT font(int height, int weight)
{
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ARABIC_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Arabic Transparent");
}

void drawCaptions(HDC dc)
{
    const RECT page{0, 0, 567, 314};
    SelectObject(dc, font(19, FW_BOLD));
    int top = 16;
    for (const std::wstring& line : captions::brokenLines(
             dc, L"إصلاح أو إعادة تثبيت ملفات نظام التشغيل الذي يحتاجها برنامج الطرمزي للمخزون والمحاسبة", 349)) {
        captions::drawFlushRight(dc, line, 553, top, page);
        top += captions::lineHeight(dc);
    }
    DeleteObject(SelectObject(dc, font(17, FW_BOLD)));
    captions::drawFlushRight(dc, L"حدد نظام التشغيل المراد تثبيت أو إصلاح ملفاته :", 553, 120, page);
    DeleteObject(SelectObject(dc, font(19, FW_NORMAL)));
    captions::drawFlushRight(dc, L"نظام تشغيل 32 بت", 536, 152, page);
    captions::drawFlushRight(dc, L"نظام تشغيل 64 بت", 536, 184, page);
    DeleteObject(SelectObject(dc, GetStockObject(SYSTEM_FONT)));
}

}  // namespace

int wmain()
{
    LARGE_INTEGER start, loaded, ready, drawn, again;
    QueryPerformanceCounter(&start);
    platform::loadUniscribe();
    QueryPerformanceCounter(&ready);

    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 567, 314);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    // Wine reads the system's fonts at a process's first font; the window pays that anyway.
    TEXTMETRICW metrics;
    DeleteObject(SelectObject(dc, font(19, FW_BOLD)));
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
