#pragma once
#include <string>

namespace testing_support {

inline constexpr wchar_t logPath[] = L"c:\\InstallationLog.txt";

// The whole file as bytes; empty when it can't be read.
std::string readBytes(const std::wstring& path);
void writeBytes(const std::wstring& path, const std::string& bytes);
// Removes a file, read-only ones too; a missing file is fine.
void removeFile(const std::wstring& path);
bool exists(const std::wstring& path);
// The folder of the running test program.
std::wstring ownFolder();
// Text in the system's ANSI code page, as the log stores it.
std::string ansi(const std::wstring& text);

}  // namespace testing_support
