#pragma once
#include "platform/owned.h"

#include <chrono>
#include <string>

namespace platform {

// How long a write waits for other programs to let go of its file (an open without sharing, a
// lock), from its first attempt to open it: a second, for the window does not answer meanwhile.
using Deadline = std::chrono::steady_clock::time_point;
Deadline patienceFromNow();

// True when the path names a file, false when it names a folder; raises an error when its
// attributes can't be read (nothing there, an invalid name, a drive that is not ready).
bool namesFile(const std::wstring& path);

void deleteFile(const std::wstring& path);

// What an open file is, read from its handle rather than from its path, which may have
// changed since it was opened.
struct FileFacts {
    unsigned long attributes = 0;
    unsigned long linkCount = 0;
};
FileFacts factsOf(HANDLE file);

// Opens the file for writing, creating it when it is missing; while another program has it open
// without sharing, tries again until the deadline. A link at the path is opened itself, not
// followed; a read-only file is refused.
ScopedHandle openOrCreateForWriting(const std::wstring& path, Deadline deadline);

// Creates the file for writing; fails when anything already has its name.
ScopedHandle createNewForWriting(const std::wstring& path);

// The whole range that any file can have, locked exclusively for this object's life, so that
// writers in other processes can neither tear a text nor write over it. Another writer holds
// its lock only for the moment of its write; a lock still held at the deadline belongs to
// something else and is raised as an error.
class WholeFileLock {
public:
    WholeFileLock(HANDLE file, Deadline deadline);
    ~WholeFileLock();
    WholeFileLock(const WholeFileLock&) = delete;
    WholeFileLock& operator=(const WholeFileLock&) = delete;

private:
    HANDLE file_;
    OVERLAPPED range_{};
};

// Where the next write lands, as a byte offset from the file's start.
long long filePosition(HANDLE file);

// Moves to the file's end, where the next write lands.
void moveToEnd(HANDLE file);

// Writes the bytes in one write; a write that takes only part of them is raised as a full disk.
void writeBytes(HANDLE file, const std::string& bytes);

// Writes the system's cache of the file to the disk.
void flushToDisk(HANDLE file);

// Cuts the file off at the offset.
void cutAt(HANDLE file, long long offset);

// The text as the ANSI code page stores it: a character that the code page lacks becomes
// "?", never a look-alike.
std::string ansiBytes(const std::wstring& text);

}  // namespace platform
