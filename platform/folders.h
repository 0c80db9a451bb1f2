#pragma once
#include <string>

namespace platform {

// The folder of the running executable, without a trailing backslash
// except for a drive's root ("C:\").
std::wstring applicationFolder();

// The system folder (System32; SysWOW64 for a 32-bit program on 64-bit Windows).
std::wstring systemFolder();

}  // namespace platform
