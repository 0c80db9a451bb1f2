#pragma once

namespace logging {

// Where every finished install leaves its line: c:\InstallationLog.txt.
inline constexpr wchar_t installationLogFolder[] = L"c:";
inline constexpr wchar_t installationLogName[] = L"InstallationLog.txt";

}  // namespace logging
