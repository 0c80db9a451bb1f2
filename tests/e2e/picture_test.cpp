// What the main window looks like on the display.
#include "tests/e2e/display.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

RECT shrunk(RECT rect, int inset)
{
    return {rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset};
}

}  // namespace

TEST(E2e, WindowIsWhiteWithABlueBannerDarkBlueHeadingAndPlainButtons)
{
    RunningTool tool(L"picture");
    tool.start();
    ASSERT_NE(tool.window, nullptr);
    const Picture picture(tool.window);
    ASSERT_TRUE(picture.taken()) << "no capture of the display";

    const auto white = [](COLORREF colour) { return colour == expected::white; };
    EXPECT_EQ(picture.count({200, 240, 201, 241}, white), 1);
    EXPECT_EQ(picture.count({300, 100, 301, 101}, white), 1);
    EXPECT_EQ(picture.count({170, 0, 191, expected::clientHeight}, white), 21 * expected::clientHeight)
        << "nothing between the banner and the text";
    EXPECT_GT(picture.count(expected::label2.box, [](COLORREF c) { return similar(c, expected::darkBlue, 24); }), 50)
        << "Label2's letters are dark blue";
    const RECT banner = expected::image1.box;
    EXPECT_GT(picture.count(banner, [](COLORREF c) { return GetBValue(c) > GetRValue(c) + 40; }),
              banner.right * banner.bottom * 3 / 4)
        << "the banner is mostly blue";

    const RECT install = shrunk(expected::install.box, 3);
    EXPECT_EQ(picture.count(install, [](COLORREF c) { return similar(c, expected::orange, 60); }), 0);
    const COLORREF installFace = picture.mean(install);
    const COLORREF exitFace = picture.mean(shrunk(expected::exitButton.box, 3));
    EXPECT_TRUE(similar(installFace, exitFace, 24)) << std::hex << installFace << " " << exitFace;
}
