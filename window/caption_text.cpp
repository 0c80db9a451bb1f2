#include "window/caption_text.h"

#include "platform/error.h"
#include "platform/shaped_line.h"

namespace captions {

int lineHeight(HDC dc)
{
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc, &metrics)) {
        platform::raiseLastError();
    }
    return metrics.tmHeight;
}

int shapedWidth(HDC dc, std::wstring_view text)
{
    return platform::ShapedLine(dc, text).width();
}

std::vector<std::wstring> brokenLines(HDC dc, std::wstring_view text, int width)
{
    std::vector<std::wstring> lines;
    std::wstring line;
    while (!text.empty()) {
        const size_t blank = text.find(L' ');
        const std::wstring_view word = text.substr(0, blank);
        text = blank == std::wstring_view::npos ? std::wstring_view() : text.substr(blank + 1);
        std::wstring longer = line.empty() ? std::wstring(word) : line + L' ' + std::wstring(word);
        if (!line.empty() && shapedWidth(dc, longer) > width) {
            lines.push_back(std::move(line));
            longer = word;
        }
        line = std::move(longer);
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

void drawFlushRight(HDC dc, std::wstring_view text, int right, int top, const RECT& clip)
{
    const platform::ShapedLine line(dc, text);
    line.draw(right - line.width(), top, clip);
}

void fillBackground(HWND control, HDC dc, const RECT& box)
{
    const auto background = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    if (background != nullptr) {
        FillRect(dc, &box, background);
    }
}

std::wstring textOf(HWND control)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace captions
