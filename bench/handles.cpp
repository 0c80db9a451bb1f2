#include "bench/measurements.h"

#include "tests/support/files.h"

#include <winternl.h>

#include <algorithm>
#include <cstdio>

using testing_support::handlesOf;

namespace bench {

namespace {

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
    windowUp = handlesOf(running.process.id()).size();
    installWithoutWatching(running);
    const std::vector<USHORT> first = handlesOf(running.process.id());
    afterFirst = first.size();
    before = memoryOf(running.unixPid);
    for (int install = 0; install < settings.installs; ++install) {
        installWithoutWatching(running);
    }
    const std::vector<USHORT> all = handlesOf(running.process.id());
    afterAll = all.size();
    after = memoryOf(running.unixPid);
    for (const USHORT value : all) {
        if (std::find(first.begin(), first.end(), value) == first.end()) {
            added.push_back(describeHandle(running.process.handle(), value));
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
