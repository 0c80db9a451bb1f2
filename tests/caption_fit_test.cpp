#include "window/caption_fit.h"

#include <gtest/gtest.h>

#include <vector>

using captions::fitToRoom;

// A caption 7 pixels wide for each pixel of its font's height, as the fitting code is handed it.
TEST(CaptionFit, KeepsItsSizeThenTakesTheLargestSmallerOneThenASecondLine)
{
    std::vector<int> asked;
    const auto widthAt = [&asked](int height) {
        asked.push_back(height);
        return 7 * height;
    };
    // 17 pixels high (12.75 pt at 96 dpi), never below 14 (10 pt).
    const auto fits = [&](int room, bool secondLine) { return fitToRoom(room, 17, 14, secondLine, widthAt); };

    EXPECT_EQ(fits(119, true).fontHeight, 17) << "as laid out where it fits";
    EXPECT_FALSE(fits(119, true).brokenIntoLines);

    asked.clear();
    const auto smaller = fits(112, true);
    EXPECT_EQ(smaller.fontHeight, 16);
    EXPECT_FALSE(smaller.brokenIntoLines);
    EXPECT_EQ(asked, (std::vector<int>{17, 16})) << "the largest size that fits";

    asked.clear();
    const auto twoLines = fits(97, true);
    EXPECT_EQ(twoLines.fontHeight, 14) << "a second line only at the smallest size";
    EXPECT_TRUE(twoLines.brokenIntoLines);
    EXPECT_EQ(asked, (std::vector<int>{17, 16, 15, 14})) << "never below the smallest size";

    const auto kept = fits(97, false);
    EXPECT_EQ(kept.fontHeight, 17) << "no second line allowed: as laid out";
    EXPECT_FALSE(kept.brokenIntoLines);
}
