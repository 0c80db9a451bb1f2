#include "platform/window_list.h"

#include "platform/error.h"

#include <new>
#include <string_view>

namespace platform {

namespace {

struct Search {
    std::wstring_view className;
    std::vector<HWND> found;
    bool outOfMemory = false;
};

BOOL CALLBACK collect(HWND window, LPARAM context)
{
    auto& search = *reinterpret_cast<Search*>(context);
    wchar_t name[64];
    const int length = GetClassNameW(window, name, ARRAYSIZE(name));
    if (std::wstring_view(name, static_cast<size_t>(length)) == search.className) {
        // No exception may unwind through the system's frames that call back here.
        try {
            search.found.push_back(window);
        } catch (...) {
            search.outOfMemory = true;
            return FALSE;
        }
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> openProgramWindows(const wchar_t* className)
{
    Search search{className, {}};
    EnumThreadWindows(GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&search));
    if (search.outOfMemory) {
        throw std::bad_alloc();
    }
    return search.found;
}

void closeWindow(HWND window)
{
    if (!DestroyWindow(window)) {
        raiseLastError();
    }
}

}  // namespace platform
