#include "tests/e2e/display.h"

#include "platform/system_function.h"
#include "tests/support/files.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

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

// WCAG 2's contrast ratio, from the colours' relative luminances.
double contrast(COLORREF a, COLORREF b)
{
    const auto luminance = [](COLORREF colour) {
        const auto linear = [](int channel) {
            const double value = channel / 255.0;
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
               0.0722 * linear(GetBValue(colour));
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool isInk(COLORREF colour)
{
    return GetRValue(colour) < 160 || GetGValue(colour) < 160 || GetBValue(colour) < 160;
}

}  // namespace

int Picture::readable(const RECT& rect) const
{
    std::map<COLORREF, int> seen;
    count(rect, [&](COLORREF colour) { return ++seen[colour] != 0; });
    const auto background = std::max_element(seen.begin(), seen.end(),
                                             [](const auto& a, const auto& b) { return a.second < b.second; });
    return count(rect, [&](COLORREF colour) { return contrast(colour, background->first) >= 4.5; });
}

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

namespace {

constexpr wchar_t coloursKey[] = L"Control Panel\\Colors";
constexpr wchar_t setColoursKey[] = L"Software\\Wine\\Temporary System Parameters\\Control Panel\\Colors";
using Colours = std::pair<const wchar_t*, const wchar_t*>[4];
constexpr Colours defaultColours{
    {L"ButtonText", L"0 0 0"}, {L"WindowText", L"0 0 0"}, {L"ButtonFace", L"245 245 245"}, {L"Window", L"255 255 255"}};

void setPrefixColours(const Colours& colours)
{
    for (const auto& [name, value] : colours) {
        RegSetKeyValueW(HKEY_CURRENT_USER, coloursKey, name, REG_SZ, value,
                        static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    }
}

}  // namespace

HighContrastBlackInPrefix::HighContrastBlackInPrefix()
{
    setPrefixColours({{L"ButtonText", L"255 255 255"}, {L"WindowText", L"255 255 255"}, {L"ButtonFace", L"0 0 0"},
                      {L"Window", L"0 0 0"}});
}

HighContrastBlackInPrefix::~HighContrastBlackInPrefix()
{
    setPrefixColours(defaultColours);
}

::testing::AssertionResult prefixHoldsDefaultColours()
{
    for (const wchar_t* key : {coloursKey, setColoursKey}) {
        for (const auto& [name, value] : defaultColours) {
            wchar_t held[32] = L"";
            DWORD size = sizeof held;
            RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, held, &size);
            if (*held != L'\0' && wcscmp(held, value) != 0) {
                return ::testing::AssertionFailure()
                       << "other colours in the prefix: tools/prepare-wine.sh sets the default ones back";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

void forgetSetColours()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, setColoursKey);
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
