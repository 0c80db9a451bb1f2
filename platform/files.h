#pragma once
#include "platform/scoped_handle.h"

#include <string>

namespace platform {

inline constexpr unsigned long directoryAttribute = 0x10;

// The attribute bits of a file or folder; raises an error when they can't be read.
unsigned long fileAttributes(const std::wstring& path);

void deleteFile(const std::wstring& path);

// Opens the file for appendAnsiText, creating it when it is missing.
ScopedHandle openForAppending(const std::wstring& path, bool createWhenMissing);

// Creates the file anew, empty, replacing one that is there.
ScopedHandle createEmptyFile(const std::wstring& path);

// Writes the text in the system's ANSI code page, with no byte-order mark, in one write.
void writeAnsiText(HANDLE file, const std::wstring& text);

// Like writeAnsiText, at the file's end. The file is locked meanwhile, so that writers in
// other processes can neither tear the text nor write over it.
void appendAnsiText(HANDLE file, const std::wstring& text);

}  // namespace platform
