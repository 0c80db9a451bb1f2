// What the main window looks like on the display.
#include "platform/system_function.h"
#include "tests/support/files.h"
#include "tests/support/running_tool.h"
#include "window/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

using namespace testing_support;

namespace {

// The client area (567 x 314) as the X display shows it, taken by ImageMagick's import through
// Wine's ntdll. Under Wine the Win32 ways (PrintWindow; BitBlt from the screen or from the
// window, in either process) give a picture without any text or banner, unlike the display.
std::string capture(HWND window)
{
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    using Spawn = LONG(WINAPI*)(char* const*, int);
    const auto spawn = platform::systemFunction<Spawn>(GetModuleHandleW(L"ntdll.dll"), "__wine_unix_spawnvp");
    const std::string crop = "567x314+" + std::to_string(origin.x) + "+" + std::to_string(origin.y);
    const char* argv[] = {"/usr/bin/import", "-window", "root", "-crop", crop.c_str(), "-depth", "8",
                          "rgb:/tmp/norvasquel-e2e-window.rgb", nullptr};
    removeFile(L"Z:\\tmp\\norvasquel-e2e-window.rgb");
    if (spawn == nullptr || spawn(const_cast<char* const*>(argv), TRUE) != 0) {
        return {};
    }
    return readBytes(L"Z:\\tmp\\norvasquel-e2e-window.rgb");
}

bool similar(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// The control's rectangle in pixels from the layout, shrunk by inset on each side.
RECT area(int id, int inset = 0)
{
    const auto& item = *std::find_if(layout::controls.begin(), layout::controls.end(),
                                     [id](const layout::Control& control) { return control.id == id; });
    return {item.left / 15 + inset, item.top / 15 + inset, (item.left + item.width) / 15 - inset,
            (item.top + item.height) / 15 - inset};
}

// Calls look for each pixel of the rectangle and counts those it accepts.
int count(const std::string& picture, const RECT& rect, const std::function<bool(COLORREF)>& look)
{
    int accepted = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const auto* pixel = reinterpret_cast<const BYTE*>(picture.data()) + 3 * (y * 567 + x);
            accepted += look(RGB(pixel[0], pixel[1], pixel[2])) ? 1 : 0;
        }
    }
    return accepted;
}

COLORREF meanColour(const std::string& picture, const RECT& rect)
{
    long sums[3] = {0, 0, 0};
    const long pixels = count(picture, rect, [&](COLORREF colour) {
        sums[0] += GetRValue(colour), sums[1] += GetGValue(colour), sums[2] += GetBValue(colour);
        return true;
    });
    return RGB(sums[0] / pixels, sums[1] / pixels, sums[2] / pixels);
}

}  // namespace

TEST(E2e, WindowIsWhiteWithABlueBannerDarkBlueHeadingAndPlainButtons)
{
    RunningTool tool(L"picture");
    tool.start();
    ASSERT_NE(tool.window, nullptr);
    const std::string picture = capture(tool.window);
    ASSERT_EQ(picture.size(), 3u * 567 * 314) << "no capture of the display";

    const auto white = [](COLORREF colour) { return colour == layout::white; };
    EXPECT_EQ(count(picture, {200, 240, 201, 241}, white), 1);
    EXPECT_EQ(count(picture, {300, 100, 301, 101}, white), 1);
    EXPECT_EQ(count(picture, {170, 0, 191, 314}, white), 21 * 314) << "nothing between the banner and the text";
    EXPECT_GT(count(picture, area(layout::label2Id), [](COLORREF c) { return similar(c, layout::darkBlue, 24); }), 50)
        << "Label2's letters are dark blue";
    const RECT banner = area(layout::image1Id);
    EXPECT_GT(count(picture, banner, [](COLORREF c) { return GetBValue(c) > GetRValue(c) + 40; }),
              banner.right * banner.bottom * 3 / 4)
        << "the banner is mostly blue";

    const RECT install = area(layout::cmdSetupId, 3);
    EXPECT_EQ(count(picture, install, [](COLORREF c) { return similar(c, RGB(255, 128, 0), 60); }), 0);
    const COLORREF installFace = meanColour(picture, install);
    const COLORREF exitFace = meanColour(picture, area(layout::cmdSetupId + 1, 3));
    EXPECT_TRUE(similar(installFace, exitFace, 24)) << std::hex << installFace << " " << exitFace;
}
