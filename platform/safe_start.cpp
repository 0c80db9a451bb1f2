#include "platform/safe_start.h"

#include "platform/error.h"
#include "platform/system_function.h"

#include <windows.h>
#include <commctrl.h>

namespace platform {

void hardenProcess()
{
    // SetDefaultDllDirectories came with an update to Windows 7; look it up rather than import it.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories = systemFunction<SetDefaultDllDirectoriesFunction>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    SetDllDirectoryW(L"");
    SetErrorMode(SEM_FAILCRITICALERRORS);
}

void initCommonControls()
{
    const HMODULE commonControls = LoadLibraryW(L"comctl32.dll");
    if (commonControls == nullptr) {
        raiseLastError();
    }
    using InitCommonControlsExFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initCommonControlsEx =
        systemFunction<InitCommonControlsExFunction>(commonControls, "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    if (initCommonControlsEx == nullptr || !initCommonControlsEx(&classes)) {
        raiseLastError();
    }
}

}  // namespace platform
