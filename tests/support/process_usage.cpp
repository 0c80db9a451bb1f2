#include "tests/support/process_usage.h"

#include "tests/support/files.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdlib>

namespace testing_support {

namespace {

std::wstring procPath(unsigned long unixPid, const wchar_t* file)
{
    return L"Z:\\proc\\" + std::to_wstring(unixPid) + L"\\" + file;
}

// The tail of this process's command line, which names it among the Linux processes: the
// program's file name and, as Wine passes them on, its arguments.
std::string ownToken()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring name(path);
    std::string token = ansi(name.substr(name.find_last_of(L'\\') + 1));
    for (int i = 1; i < __argc; ++i) {
        token += std::string(1, '\0') + __argv[i];
    }
    return token;
}

}  // namespace

std::vector<USHORT> handlesOf(DWORD processId)
{
    std::vector<unsigned char> buffer(1 << 16);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(SystemHandleInformation, buffer.data(),
                                                         static_cast<ULONG>(buffer.size()), &needed);
        if (status == static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH
            buffer.resize(std::max<size_t>(buffer.size() * 2, needed));
            continue;
        }
        if (status != 0) {
            return {};
        }
        break;
    }
    const auto* table = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    std::vector<USHORT> handles;
    for (ULONG i = 0; i < table->Count; ++i) {
        if (table->Handle[i].OwnerPid == processId) {
            handles.push_back(table->Handle[i].HandleValue);
        }
    }
    return handles;
}

std::optional<LinuxMemory> linuxMemoryOf(unsigned long unixPid)
{
    const std::string status = readBytes(procPath(unixPid, L"status"));
    const auto kib = [&status](const char* key) -> std::optional<double> {
        const size_t at = status.find(key);
        if (at == std::string::npos) {
            return std::nullopt;
        }
        return std::strtod(status.c_str() + at + std::char_traits<char>::length(key), nullptr);
    };
    const auto privateKiB = kib("RssAnon:");
    const auto workingSetKiB = kib("VmRSS:");
    if (!privateKiB || !workingSetKiB) {
        return std::nullopt;
    }
    return LinuxMemory{*privateKiB / 1024.0, *workingSetKiB / 1024.0};
}

unsigned long unixPidWithArgument(const std::string& token)
{
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    unsigned long found = 0;
    do {
        const std::wstring name = entry.cFileName;
        if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos) {
            continue;
        }
        const unsigned long pid = std::wcstoul(name.c_str(), nullptr, 10);
        if (readBytes(procPath(pid, L"cmdline")).find(token) != std::string::npos) {
            found = pid;
        }
    } while (found == 0 && FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

ProcessUsage usageOfThisProcess()
{
    ProcessUsage usage;
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    usage.handles = handles != 0 ? handles : static_cast<unsigned long>(handlesOf(GetCurrentProcessId()).size());
    PROCESS_MEMORY_COUNTERS_EX memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    usage.privateMiB = static_cast<double>(memory.PrivateUsage) / (1024.0 * 1024.0);
    if (memory.PrivateUsage == 0) {
        if (const auto fromProc = linuxMemoryOf(unixPidWithArgument(ownToken()))) {
            usage.privateMiB = fromProc->privateMiB;
        }
    }
    return usage;
}

}  // namespace testing_support
