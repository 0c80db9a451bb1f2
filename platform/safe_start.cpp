#include "platform/safe_start.h"

#include <windows.h>

namespace platform {

void hardenProcess()
{
    // SetDefaultDllDirectories came with an update to Windows 7; look it up rather than import it.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    SetDllDirectoryW(L"");
    SetErrorMode(SEM_FAILCRITICALERRORS);
}

}  // namespace platform
