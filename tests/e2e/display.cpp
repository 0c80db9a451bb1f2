#include "tests/e2e/display.h"

#include "platform/system_function.h"
#include "tests/support/files.h"

#include <cstdlib>

namespace testing_support {

HWND find(const RunningTool& tool, const expected::Control& control)
{
    const bool button = control.kind == expected::Kind::option || control.kind == expected::Kind::button;
    return tool.child(button ? L"Button" : L"Static", control.caption);
}

RECT boxIn(HWND window, HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Taken by ImageMagick's import through Wine's ntdll. Under Wine the Win32 ways (PrintWindow;
// BitBlt from the screen or from the window, in either process) give a picture without any
// text or banner, unlike the display.
Picture::Picture(HWND window)
{
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    using Spawn = LONG(WINAPI*)(char* const*, int);
    const auto spawn = platform::systemFunction<Spawn>(GetModuleHandleW(L"ntdll.dll"), "__wine_unix_spawnvp");
    const std::string crop = std::to_string(expected::clientWidth) + "x" + std::to_string(expected::clientHeight) +
                             "+" + std::to_string(origin.x) + "+" + std::to_string(origin.y);
    const char* argv[] = {"/usr/bin/import", "-window", "root", "-crop", crop.c_str(), "-depth", "8",
                          "rgb:/tmp/norvasquel-e2e-window.rgb", nullptr};
    removeFile(L"Z:\\tmp\\norvasquel-e2e-window.rgb");
    if (spawn != nullptr && spawn(const_cast<char* const*>(argv), TRUE) == 0) {
        rgb_ = readBytes(L"Z:\\tmp\\norvasquel-e2e-window.rgb");
    }
}

COLORREF Picture::at(int x, int y) const
{
    const auto* pixel = reinterpret_cast<const BYTE*>(rgb_.data()) + 3 * (y * expected::clientWidth + x);
    return RGB(pixel[0], pixel[1], pixel[2]);
}

int Picture::count(const RECT& rect, const std::function<bool(COLORREF)>& look) const
{
    int accepted = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            accepted += look(at(x, y)) ? 1 : 0;
        }
    }
    return accepted;
}

COLORREF Picture::mean(const RECT& rect) const
{
    long sums[3] = {0, 0, 0};
    const long pixels = count(rect, [&](COLORREF colour) {
        sums[0] += GetRValue(colour), sums[1] += GetGValue(colour), sums[2] += GetBValue(colour);
        return true;
    });
    return RGB(sums[0] / pixels, sums[1] / pixels, sums[2] / pixels);
}

namespace {

bool isInk(COLORREF colour)
{
    return GetRValue(colour) < 160 || GetGValue(colour) < 160 || GetBValue(colour) < 160;
}

}  // namespace

std::vector<bool> Picture::inkColumns(const RECT& rect) const
{
    std::vector<bool> marks;
    for (int x = rect.left; x < rect.right; ++x) {
        marks.push_back(count({x, rect.top, x + 1, rect.bottom}, isInk) > 0);
    }
    return marks;
}

std::vector<bool> Picture::inkRows(const RECT& rect) const
{
    std::vector<bool> marks;
    for (int y = rect.top; y < rect.bottom; ++y) {
        marks.push_back(count({rect.left, y, rect.right, y + 1}, isInk) > 0);
    }
    return marks;
}

bool similar(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::vector<std::pair<int, int>> stretches(const std::vector<bool>& marks, int origin, int gap)
{
    std::vector<std::pair<int, int>> found;
    for (int i = 0; i < static_cast<int>(marks.size()); ++i) {
        if (!marks[i]) {
            continue;
        }
        if (!found.empty() && origin + i - found.back().second < gap) {
            found.back().second = origin + i + 1;
        } else {
            found.emplace_back(origin + i, origin + i + 1);
        }
    }
    return found;
}

}  // namespace testing_support
