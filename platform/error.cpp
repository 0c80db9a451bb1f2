#include "platform/error.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

namespace platform {

size_t systemDescriptionInto(unsigned long number, wchar_t* buffer, size_t capacity) noexcept
{
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, number, 0,
                                  buffer, static_cast<DWORD>(capacity), nullptr);
    if (length == 0) {
        length = static_cast<DWORD>(std::max(0, std::swprintf(buffer, capacity, L"Error %lu", number)));
    }
    while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' || buffer[length - 1] == L' ')) {
        --length;
    }
    buffer[length] = L'\0';
    return length;
}

std::wstring systemDescription(unsigned long number)
{
    wchar_t buffer[descriptionCapacity];
    const size_t length = systemDescriptionInto(number, buffer, descriptionCapacity);
    return std::wstring(buffer, length);
}

void raiseSystemError(unsigned long number)
{
    throw Error(number, systemDescription(number));
}

void raiseLastError()
{
    raiseSystemError(GetLastError());
}

}  // namespace platform
