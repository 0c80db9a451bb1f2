#include "platform/clock.h"

#include "platform/error.h"

#include <windows.h>

namespace platform {

namespace {

std::wstring userLocaleText(LCTYPE item)
{
    const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, nullptr, 0);
    if (size == 0) {
        raiseLastError();
    }
    std::wstring text(static_cast<size_t>(size), L'\0');
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text.data(), size);
    if (length == 0) {
        raiseLastError();
    }
    text.resize(static_cast<size_t>(length - 1));
    return text;
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
