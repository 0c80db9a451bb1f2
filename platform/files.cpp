#include "platform/files.h"

#include "platform/error.h"

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
    return openFile(path, FILE_APPEND_DATA, createWhenMissing ? OPEN_ALWAYS : OPEN_EXISTING);
}

ScopedHandle createEmptyFile(const std::wstring& path)
{
    return openFile(path, GENERIC_WRITE, CREATE_ALWAYS);
}

void writeAnsiText(HANDLE file, const std::wstring& text)
{
    if (text.empty()) {
        return;
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
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        raiseLastError();
    }
    if (written != bytes.size()) {
        raiseSystemError(ERROR_WRITE_FAULT);
    }
}

}  // namespace platform
