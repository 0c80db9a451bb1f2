#include "platform/files.h"

#include "platform/error.h"

#include <limits>

namespace platform {

namespace {

constexpr DWORD shareWithOthers = FILE_SHARE_READ | FILE_SHARE_WRITE;

// Whether to try again after the error: it is the one that another program's hold on the file
// gives, and the deadline has not passed. Waits a moment first.
bool worthAnotherTry(DWORD error, DWORD whileHeld, Deadline deadline)
{
    if (error != whileHeld || std::chrono::steady_clock::now() > deadline) {
        return false;
    }
    Sleep(1);
    return true;
}

ScopedHandle openForWriting(const std::wstring& path, DWORD disposition, Deadline deadline)
{
    ScopedHandle file;
    for (;;) {
        file = ScopedHandle(CreateFileW(path.c_str(), GENERIC_WRITE, shareWithOthers, nullptr, disposition,
                                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (file.valid()) {
            break;
        }
        const DWORD error = GetLastError();
        if (!worthAnotherTry(error, ERROR_SHARING_VIOLATION, deadline)) {
            raiseSystemError(error);
        }
    }
    // Windows refuses to write to a read-only file, but some hosts let a privileged user do
    // it anyway (Wine running as root); the attribute must hold everywhere.
    if ((factsOf(file.get()).attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        raiseSystemError(ERROR_ACCESS_DENIED);
    }
    return file;
}

LARGE_INTEGER movePointer(HANDLE file, LONGLONG distance, DWORD from)
{
    LARGE_INTEGER target{};
    target.QuadPart = distance;
    LARGE_INTEGER reached{};
    if (!SetFilePointerEx(file, target, &reached, from)) {
        raiseLastError();
    }
    return reached;
}

}  // namespace

Deadline patienceFromNow()
{
    return std::chrono::steady_clock::now() + std::chrono::seconds(1);
}

bool namesFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        raiseLastError();
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void deleteFile(const std::wstring& path)
{
    if (!DeleteFileW(path.c_str())) {
        raiseLastError();
    }
}

FileFacts factsOf(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information)) {
        raiseLastError();
    }
    return FileFacts{information.dwFileAttributes, information.nNumberOfLinks};
}

ScopedHandle openOrCreateForWriting(const std::wstring& path, Deadline deadline)
{
    return openForWriting(path, OPEN_ALWAYS, deadline);
}

ScopedHandle createNewForWriting(const std::wstring& path)
{
    // No other program can hold a file that is only now made: a deadline already passed.
    return openForWriting(path, CREATE_NEW, Deadline());
}

std::string ansiBytes(const std::wstring& text)
{
    if (text.empty()) {
        return {};
    }
    if (text.size() > static_cast<size_t>(std::numeric_limits<int>::max())) {
        raiseSystemError(ERROR_INVALID_PARAMETER);
    }
    // UTF-8 holds every character and takes neither the flag nor a default character.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* const unknown = utf8 ? nullptr : "?";
    const int wideLength = static_cast<int>(text.size());
    const int byteLength = WideCharToMultiByte(CP_ACP, flags, text.data(), wideLength, nullptr, 0, unknown, nullptr);
    if (byteLength == 0) {
        raiseLastError();
    }
    std::string bytes(static_cast<size_t>(byteLength), '\0');
    if (WideCharToMultiByte(CP_ACP, flags, text.data(), wideLength, bytes.data(), byteLength, unknown, nullptr) ==
        0) {
        raiseLastError();
    }
    return bytes;
}

WholeFileLock::WholeFileLock(HANDLE file, Deadline deadline) : file_(file)
{
    while (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &range_)) {
        const DWORD error = GetLastError();
        if (!worthAnotherTry(error, ERROR_LOCK_VIOLATION, deadline)) {
            raiseSystemError(error);
        }
    }
}

WholeFileLock::~WholeFileLock()
{
    UnlockFileEx(file_, 0, MAXDWORD, MAXDWORD, &range_);
}

long long filePosition(HANDLE file)
{
    return movePointer(file, 0, FILE_CURRENT).QuadPart;
}

void moveToEnd(HANDLE file)
{
    movePointer(file, 0, FILE_END);
}

void writeBytes(HANDLE file, const std::string& bytes)
{
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        raiseLastError();
    }
    if (written != bytes.size()) {
        raiseSystemError(ERROR_HANDLE_DISK_FULL);
    }
}

void flushToDisk(HANDLE file)
{
    if (!FlushFileBuffers(file)) {
        raiseLastError();
    }
}

void cutAt(HANDLE file, long long offset)
{
    movePointer(file, offset, FILE_BEGIN);
    if (!SetEndOfFile(file)) {
        raiseLastError();
    }
}

}  // namespace platform
