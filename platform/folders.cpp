#include "platform/folders.h"

#include "platform/error.h"

#include <windows.h>

#include <algorithm>

namespace platform {

namespace {

// A path that a system call writes into the buffer it is given. A call whose buffer is too
// small answers with its size or more (GetModuleFileNameW with the size, cutting the path;
// GetSystemDirectoryW with the size it needs), and is asked again with a larger one.
template <typename Call>
std::wstring pathFrom(Call call)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const auto length = static_cast<size_t>(call(path.data(), static_cast<UINT>(path.size())));
        if (length == 0) {
            raiseLastError();
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(std::max(path.size() * 2, length + 1));
    }
}

}  // namespace

std::wstring applicationFolder()
{
    std::wstring path = pathFrom([](wchar_t* buffer, UINT size) { return GetModuleFileNameW(nullptr, buffer, size); });
    path.erase(path.find_last_of(L'\\'));
    if (path.size() == 2 && path[1] == L':') {
        path += L'\\';
    }
    return path;
}

std::wstring systemFolder()
{
    return pathFrom(GetSystemDirectoryW);
}

}  // namespace platform
