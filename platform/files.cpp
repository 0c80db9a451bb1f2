#include "platform/files.h"

#include "platform/error.h"

#include <chrono>
#include <limits>

namespace platform {

namespace {

constexpr DWORD shareWithOthers = FILE_SHARE_READ | FILE_SHARE_WRITE;

// Windows refuses to write to a read-only file, but some hosts let a privileged user do
// it anyway (Wine running as root); the attribute must hold everywhere.
void refuseReadOnly(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        raiseSystemError(ERROR_ACCESS_DENIED);
    }
}

ScopedHandle openFile(const std::wstring& path, DWORD access, DWORD disposition)
{
    refuseReadOnly(path);
    ScopedHandle file(CreateFileW(path.c_str(), access, shareWithOthers, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        raiseLastError();
    }
    return file;
}

std::string ansiBytes(const std::wstring& text)
{
    if (text.empty()) {
        return {};
    }
    if (text.size() > static_cast<size_t>(std::numeric_limits<int>::max())) {
        raiseSystemError(ERROR_INVALID_PARAMETER);
    }
    const int wideLength = static_cast<int>(text.size());
    const int byteLength = WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (byteLength == 0) {
        raiseLastError();
    }
    std::string bytes(static_cast<size_t>(byteLength), '\0');
    if (WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, bytes.data(), byteLength, nullptr, nullptr) == 0) {
        raiseLastError();
    }
    return bytes;
}

// Another writer holds its lock only for the moment of its write; a lock held longer
// belongs to something else, and the user hears of it rather than waiting for ever.
void lockWithin(HANDLE file, OVERLAPPED& range, std::chrono::milliseconds patience)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &range)) {
        const DWORD error = GetLastError();
        if (error != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() > deadline) {
            raiseSystemError(error);
        }
        Sleep(1);
    }
}

}  // namespace

unsigned long fileAttributes(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        raiseLastError();
    }
    return attributes;
}

void deleteFile(const std::wstring& path)
{
    if (!DeleteFileW(path.c_str())) {
        raiseLastError();
    }
}

ScopedHandle openForAppending(const std::wstring& path, bool createWhenMissing)
{
    return openFile(path, GENERIC_WRITE, createWhenMissing ? OPEN_ALWAYS : OPEN_EXISTING);
}

ScopedHandle createEmptyFile(const std::wstring& path)
{
    return openFile(path, GENERIC_WRITE, CREATE_ALWAYS);
}

void writeAnsiText(HANDLE file, const std::wstring& text)
{
    const std::string bytes = ansiBytes(text);
    if (bytes.empty()) {
        return;
    }
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        raiseLastError();
    }
    if (written != bytes.size()) {
        raiseSystemError(ERROR_WRITE_FAULT);
    }
}

void appendAnsiText(HANDLE file, const std::wstring& text)
{
    // The whole range that any file can have, locked before the end is looked up.
    OVERLAPPED everything{};
    lockWithin(file, everything, std::chrono::seconds(5));
    try {
        LARGE_INTEGER none{};
        if (!SetFilePointerEx(file, none, nullptr, FILE_END)) {
            raiseLastError();
        }
        writeAnsiText(file, text);
    } catch (...) {
        UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &everything);
        throw;
    }
    UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &everything);
}

}  // namespace platform
