#include "platform/window_list.h"

#include "platform/error.h"

#include <string_view>

namespace platform {

namespace {

struct Search {
    std::wstring_view className;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM context)
{
    auto& search = *reinterpret_cast<Search*>(context);
    wchar_t name[64];
    const int length = GetClassNameW(window, name, ARRAYSIZE(name));
    if (std::wstring_view(name, static_cast<size_t>(length)) == search.className) {
        search.found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> openProgramWindows(const wchar_t* className)
{
    Search search{className, {}};
    EnumThreadWindows(GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void closeWindow(HWND window)
{
    if (!DestroyWindow(window)) {
        raiseLastError();
    }
}

}  // namespace platform
