#pragma once
#include "platform/files.h"

#include <string>

namespace logging {

// Writes myData to filePath\fileName in the system's ANSI code page. A missing file is
// created; an existing one is appended to ("Append"), replaced ("Overwrite") or, for any
// other mode word, left alone. Empty filePath and fileName are replaced, in the caller's
// variables too, by the application folder and "DataFile.txt". Failures are raised.
void writeFileData(const std::wstring& myData, const std::wstring& transType, std::wstring& filePath,
                   std::wstring& fileName);

// True when a write to the opened file would also change another: it is a link (a reparse
// point), or one of several names of the same file (hard links).
bool leadsToAnotherFile(const platform::FileFacts& facts);

// The folder and the name joined by one backslash, whatever either already holds.
std::wstring joinedPath(const std::wstring& folder, const std::wstring& name);

// True when the path names an existing file that is not a folder. Never raises.
bool FileExists(const std::wstring& fileName);

}  // namespace logging
