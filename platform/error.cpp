#include "platform/error.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

namespace platform {

void Error::followWith(Error next)
{
    if (next_ == nullptr) {
        next_ = std::make_shared<const Error>(std::move(next));
        return;
    }
    // Copies of this error may share the chain: extend a copy of it.
    auto chain = std::make_shared<Error>(*next_);
    chain->followWith(std::move(next));
    next_ = std::move(chain);
}

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
    const DWORD error = GetLastError();
    raiseSystemError(error != ERROR_SUCCESS ? error : ERROR_FUNCTION_FAILED);
}

}  // namespace platform
