// What the main window looks like on the display.
#include "platform/safe_start.h"
#include "tests/e2e/display.h"
#include "window/form1.h"
#include "window/painted_option.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <thread>

using namespace testing_support;

namespace {

RECT shrunk(RECT rect, int inset)
{
    return {rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset};
}

// How many pixels of each caption read: Label1's, Label2's and the options', each without its
// mark and the gap beside it.
std::vector<int> readableCaptions(const Picture& picture, HWND window)
{
    std::vector<int> counts;
    for (const expected::Control* item :
         {&expected::label1, &expected::label2, &expected::option32, &expected::option64}) {
        const bool option = item->kind == expected::Kind::option;
        RECT box = boxIn(window, childOf(window, option ? L"Button" : L"Static", item->caption));
        box.right -= option ? captions::markRoom(96) : 0;
        counts.push_back(picture.readable(box));
    }
    return counts;
}

void expectAsReadable(const std::vector<int>& withDefaults, const std::vector<int>& now)
{
    for (size_t i = 0; i < now.size(); ++i) {
        EXPECT_GT(withDefaults[i], 50) << "caption " << i;
        EXPECT_GE(now[i] * 10, withDefaults[i] * 8) << "caption " << i << ": " << now[i] << " of " << withDefaults[i];
    }
}

// Lets the window in this process paint, and the display show it.
void settle()
{
    for (int i = 0; i < 10; ++i) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

TEST(E2e, WindowIsWhiteWithABlueBannerDarkBlueHeadingAndPlainButtons)
{
    ASSERT_TRUE(prefixHoldsDefaultColours());
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

TEST(E2e, CaptionsReadInHighContrastBlack)
{
    ASSERT_TRUE(prefixHoldsDefaultColours());
    std::vector<int> withDefaults;
    {
        RunningTool tool(L"default colours");
        tool.start();
        const Picture picture(tool.window);
        ASSERT_TRUE(picture.taken()) << "no capture of the display";
        withDefaults = readableCaptions(picture, tool.window);
    }
    const HighContrastBlackInPrefix theme;
    RunningTool tool(L"high contrast");
    tool.start();
    const Picture picture(tool.window);
    ASSERT_TRUE(picture.taken()) << "no capture of the display";
    EXPECT_EQ(picture.at(300, 100), RGB(0, 0, 0)) << "the page takes the theme's window colour";
    expectAsReadable(withDefaults, readableCaptions(picture, tool.window));
}

// The window in this process, which hears of the change as every window does.
TEST(E2e, CaptionsReadWhenTheColoursTurnDarkWhileTheWindowIsOpen)
{
    platform::initCommonControls();
    Form1 form;
    form.create(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    settle();
    const std::vector<int> withDefaults = readableCaptions(Picture(form.handle()), form.handle());

    static const int elements[] = {COLOR_BTNTEXT, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_WINDOW};
    static COLORREF former[std::size(elements)];
    std::transform(std::begin(elements), std::end(elements), former, GetSysColor);
    struct Restore {
        ~Restore()
        {
            SetSysColors(static_cast<int>(std::size(elements)), elements, former);
            forgetSetColours();
        }
    } restore;
    const COLORREF dark[] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0)};
    ASSERT_TRUE(SetSysColors(static_cast<int>(std::size(elements)), elements, dark));
    SendMessageW(form.handle(), WM_SYSCOLORCHANGE, 0, 0);
    settle();
    expectAsReadable(withDefaults, readableCaptions(Picture(form.handle()), form.handle()));
}
