#pragma once
#include <windows.h>

namespace platform {

// A function of a loaded DLL, looked up by name at run time: null where this version of
// Windows lacks it, so that the program still starts there.
template <typename Function>
Function systemFunction(HMODULE module, const char* name)
{
    return module != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
               : nullptr;
}

}  // namespace platform
