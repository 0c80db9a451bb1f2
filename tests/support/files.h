#pragma once
#include <string>
#include <vector>

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
std::string utf8(const std::wstring& text);
// Waits up to 30 s for the file; true if it came.
bool waitForFile(const std::wstring& path);
// The lines of the installation log, each with its line break.
std::vector<std::string> logLines();

}  // namespace testing_support
