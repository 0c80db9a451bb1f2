#include "logging/log_line.h"
#include "platform/clock.h"

#include <windows.h>

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
}

TEST(LogTime, ReadsSeparatorsOfAnyLengthFromTheRegionalSettings)
{
    // Where the settings live; the dialogs limit a separator to a few characters, the registry does not.
    HKEY international = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\International", 0, KEY_READ | KEY_WRITE,
                            &international), ERROR_SUCCESS);
    const std::wstring previous = platform::timeSeparator();
    const std::wstring longSeparator = L" and then, twenty characters later: ";
    const auto set = [international](const std::wstring& value) {
        RegSetValueExW(international, L"sTime", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    set(longSeparator);
    const std::wstring read = platform::timeSeparator();
    set(previous);
    RegCloseKey(international);
    EXPECT_EQ(read, longSeparator);
}
