#include "platform/error.h"

#include <windows.h>

namespace platform {

std::wstring systemDescription(unsigned long number)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, number, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0) {
        return L"Error " + std::to_wstring(number);
    }
    std::wstring text(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    return text;
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
