#include "platform/folders.h"

#include "platform/error.h"

#include <windows.h>

namespace platform {

std::wstring applicationFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            raiseLastError();
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.erase(path.find_last_of(L'\\'));
    if (path.size() == 2 && path[1] == L':') {
        path += L'\\';
    }
    return path;
}

std::wstring systemFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
    if (length == 0 || length >= path.size()) {
        raiseLastError();
    }
    path.resize(length);
    return path;
}

}  // namespace platform
