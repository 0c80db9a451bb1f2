#pragma once
#include "platform/scoped_handle.h"

#include <string>

namespace platform {

inline constexpr unsigned long directoryAttribute = 0x10;

// The attribute bits of a file or folder; raises an error when they can't be read.
unsigned long fileAttributes(const std::wstring& path);

void deleteFile(const std::wstring& path);

// Opens the file for writing at its end, creating it when it is missing. Every write
// through the handle lands at the end, even when another process appends meanwhile.
ScopedHandle openForAppending(const std::wstring& path, bool createWhenMissing);

// Creates the file anew, empty, replacing one that is there.
ScopedHandle createEmptyFile(const std::wstring& path);

// Writes the text in the system's ANSI code page, with no byte-order mark, in one write.
void writeAnsiText(HANDLE file, const std::wstring& text);

}  // namespace platform
