#include "tests/support/files.h"

#include <windows.h>

#include <chrono>
#include <thread>

namespace testing_support {

std::string readBytes(const std::wstring& path)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

void writeBytes(const std::wstring& path, const std::string& bytes)
{
    removeFile(path);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void removeFile(const std::wstring& path)
{
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

bool exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring ownFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

namespace {

std::string inCodePage(UINT codePage, const std::wstring& text)
{
    const int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

}  // namespace

std::string ansi(const std::wstring& text)
{
    return inCodePage(CP_ACP, text);
}

std::string utf8(const std::wstring& text)
{
    return inCodePage(CP_UTF8, text);
}

bool waitForFile(const std::wstring& path)
{
    for (int tries = 0; tries < 1500 && !exists(path); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return exists(path);
}

std::vector<std::string> logLines()
{
    std::vector<std::string> lines;
    const std::string log = readBytes(logPath);
    for (size_t start = 0; start < log.size();) {
        const size_t end = log.find("\r\n", start);
        const size_t next = end == std::string::npos ? log.size() : end + 2;
        lines.push_back(log.substr(start, next - start));
        start = next;
    }
    return lines;
}

}  // namespace testing_support
