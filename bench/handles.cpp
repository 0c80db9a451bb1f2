#include "bench/measurements.h"

#include "tests/support/files.h"

#include <winternl.h>

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

// The process's handles as the system's handle table lists them (Wine does not count
// them for GetProcessHandleCount).
std::vector<USHORT> handlesOf(DWORD processId)
{
    std::vector<unsigned char> buffer(1 << 16);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status =
            NtQuerySystemInformation(SystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                                     &needed);
        if (status == static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH
            buffer.resize(std::max<size_t>(buffer.size() * 2, needed));
            continue;
        }
        if (status != 0) {
            fail("NtQuerySystemInformation(SystemHandleInformation) failed");
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

// "Type name" of one of the process's handles, through a copy of it.
std::string describeHandle(HANDLE process, USHORT value)
{
    HANDLE copy = nullptr;
    if (!DuplicateHandle(process, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value)), GetCurrentProcess(), &copy,
                         0, FALSE, DUPLICATE_SAME_ACCESS)) {
        return "(cannot be copied)";
    }
    std::vector<unsigned char> buffer(4096);
    std::wstring description;
    for (const auto kind : {ObjectTypeInformation, static_cast<OBJECT_INFORMATION_CLASS>(1)}) {  // 1: its name
        ULONG length = 0;
        if (NtQueryObject(copy, kind, buffer.data(), static_cast<ULONG>(buffer.size()), &length) == 0) {
            // Both answers begin with the text as a UNICODE_STRING.
            const auto* text = reinterpret_cast<const UNICODE_STRING*>(buffer.data());
            description += std::wstring(text->Buffer, text->Length / sizeof(wchar_t)) + L" ";
        }
    }
    CloseHandle(copy);
    return testing_support::utf8(description);
}

}  // namespace

// The first install is left out: Wine's user32 opens two registry keys of mouse settings for
// good at the first click.
void Handles::measure(const std::wstring& tool, const wchar_t* windowClass, const Settings& settings)
{
    const Running running(tool, windowClass);
    Sleep(300);
    windowUp = handlesOf(running.id()).size();
    installWithoutWatching(running);
    const std::vector<USHORT> first = handlesOf(running.id());
    afterFirst = first.size();
    before = memoryOf(running.unixPid);
    for (int install = 0; install < settings.installs; ++install) {
        installWithoutWatching(running);
    }
    const std::vector<USHORT> all = handlesOf(running.id());
    afterAll = all.size();
    after = memoryOf(running.unixPid);
    for (const USHORT value : all) {
        if (std::find(first.begin(), first.end(), value) == first.end()) {
            added.push_back(describeHandle(running.handle(), value));
        }
    }
}

void printHandles(const Handles& handles, const Settings& settings)
{
    std::printf("| Handles | %zu | %zu | %zu | no growth over the %d | %s |\n", handles.windowUp, handles.afterFirst,
                handles.afterAll, settings.installs, verdict(handles.afterAll <= handles.afterFirst));
    std::printf("| Private bytes (MiB) | | %s | %s | | |\n", number(handles.before.privateMiB, 2).c_str(),
                number(handles.after.privateMiB, 2).c_str());
    for (const std::string& added : handles.added) {
        std::printf("\nAdded over the %d installs: %s\n", settings.installs, added.c_str());
    }
}

std::vector<Check> checksOf(const Handles& handles)
{
    return {
        {"handle counts",
         {static_cast<double>(handles.windowUp), static_cast<double>(handles.afterFirst),
          static_cast<double>(handles.afterAll)},
         false},
        {"private bytes over the installs", {handles.before.privateMiB, handles.after.privateMiB}, false},
    };
}

}  // namespace bench
