#pragma once
#include "platform/owned.h"

#include <string>

namespace platform {

inline constexpr unsigned long directoryAttribute = 0x10;

// The attribute bits of a file or folder; raises an error when they can't be read.
unsigned long fileAttributes(const std::wstring& path);

void deleteFile(const std::wstring& path);

// What an open file is, read from its handle rather than from its path, which may have
// changed since it was opened.
struct FileFacts {
    unsigned long attributes = 0;
    unsigned long linkCount = 0;
};
FileFacts factsOf(HANDLE file);

// Opens the file for writing, creating it when it is missing. A link at the path is opened
// itself, not followed; a read-only file is refused.
ScopedHandle openOrCreateForWriting(const std::wstring& path);

// Creates the file for writing; fails when anything already has its name.
ScopedHandle createNewForWriting(const std::wstring& path);

// Writes the text at the file's end (where the file pointer must be) in the system's ANSI code
// page, with no byte-order mark, in one write. A write that fails, even part way, leaves the
// file as it was.
void writeAnsiText(HANDLE file, const std::wstring& text);

// Like writeAnsiText, at the file's end. The file is locked meanwhile, so that writers in
// other processes can neither tear the text nor write over it.
void appendAnsiText(HANDLE file, const std::wstring& text);

// The text as the ANSI code page stores it: a character that the code page lacks becomes
// "?", never a look-alike.
std::string ansiBytes(const std::wstring& text);

}  // namespace platform
