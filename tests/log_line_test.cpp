#include "logging/log_line.h"
#include "tests/support/texts.h"

#include <gtest/gtest.h>

using logging::completionLine;
using logging::formatLogTime;

TEST(LogTime, PadsEveryGroupAndUsesTheTwentyFourHourClock)
{
    EXPECT_EQ(formatLogTime({2026, 3, 5, 14, 7, 9}, L"/", L":"), L"05/03/2026 14:07:09");
    EXPECT_EQ(formatLogTime({2026, 12, 31, 0, 0, 1}, L"/", L":"), L"31/12/2026 00:00:01");
    EXPECT_EQ(formatLogTime({987, 1, 1, 23, 59, 59}, L"/", L":"), L"01/01/0987 23:59:59");
}

TEST(LogTime, TakesTheSystemSeparators)
{
    // An Arabic locale's date separator: a right-to-left mark followed by "/".
    EXPECT_EQ(formatLogTime({2026, 3, 5, 14, 7, 9}, L"\u200F/", L"."), L"05\u200F/03\u200F/2026 14.07.09");
    EXPECT_EQ(formatLogTime({2026, 3, 5, 14, 7, 9}, L"-", L""), L"05-03-2026 140709");
    EXPECT_EQ(formatLogTime({2026, 3, 5, 14, 7, 9}, L" de l'an ", L" h "),
              L"05 de l'an 03 de l'an 2026 14 h 07 h 09");
}

TEST(LogTime, NoSeparatorCanSplitOrForgeALine)
{
    EXPECT_EQ(formatLogTime({2026, 3, 5, 14, 7, 9}, L"/\r\nThe process of 'x' completed on ", L"\t:\x7F\0"),
              L"05/The process of 'x' completed on 03/The process of 'x' completed on 2026 14:07:09");
    // C1 controls (NEL among them) and the line and paragraph separators break lines too.
    EXPECT_EQ(formatLogTime({2026, 3, 5, 14, 7, 9}, L"\x80/\x85", L"\x9F:\u2028\u2029"), L"05/03/2026 14:07:09");
}

TEST(CompletionLine, JoinsTheFivePiecesAndKeepsTheDescriptionAsItIs)
{
    const std::wstring& description = testing_support::description32;
    EXPECT_EQ(completionLine(description, L"05/03/2026 14:07:09"),
              L"The process of '" + description + L"' completed on 05/03/2026 14:07:09\r\n");
    EXPECT_EQ(completionLine(L"it's 'quoted'", L"T"), L"The process of 'it's 'quoted'' completed on T\r\n");
    EXPECT_EQ(completionLine(L"", L""), L"The process of '' completed on \r\n");
}
