#include "platform/error.h"

#include <windows.h>

namespace platform {

namespace {

// "Error N", for a number that the system has no text for.
size_t fallbackDescriptionInto(unsigned long number, wchar_t* buffer, size_t capacity) noexcept
{
    wchar_t digits[16];
    size_t count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + number % 10);
        number /= 10;
    } while (number != 0);
    const wchar_t prefix[] = L"Error ";
    size_t length = 0;
    for (size_t i = 0; prefix[i] != L'\0' && length + 1 < capacity; ++i) {
        buffer[length++] = prefix[i];
    }
    while (count > 0 && length + 1 < capacity) {
        buffer[length++] = digits[--count];
    }
    return length;
}

}  // namespace

size_t systemDescriptionInto(unsigned long number, wchar_t* buffer, size_t capacity) noexcept
{
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, number, 0,
                                  buffer, static_cast<DWORD>(capacity), nullptr);
    if (length == 0) {
        length = static_cast<DWORD>(fallbackDescriptionInto(number, buffer, capacity));
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
