#include "platform/clock.h"

#include "platform/error.h"

#include <windows.h>

namespace platform {

namespace {

std::wstring userLocaleText(LCTYPE item)
{
    wchar_t buffer[16];  // the separators hold at most four characters and a terminator
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, ARRAYSIZE(buffer));
    if (length == 0) {
        raiseLastError();
    }
    return std::wstring(buffer, static_cast<size_t>(length - 1));
}

}  // namespace

DateTime localNow()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return DateTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::wstring dateSeparator()
{
    return userLocaleText(LOCALE_SDATE);
}

std::wstring timeSeparator()
{
    return userLocaleText(LOCALE_STIME);
}

}  // namespace platform
