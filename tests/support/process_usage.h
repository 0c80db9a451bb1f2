#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// The process's handles as the system's handle table lists them; Wine answers 0 to
// GetProcessHandleCount but keeps this table.
std::vector<USHORT> handlesOf(DWORD processId);

// A Linux process's memory, read from /proc through Wine's drive Z.
struct LinuxMemory {
    double privateMiB = 0;     // RssAnon: resident private memory, what Wine reports as private bytes
    double workingSetMiB = 0;  // VmRSS
};
std::optional<LinuxMemory> linuxMemoryOf(unsigned long unixPid);

// The Linux process whose command line holds the token; 0 if there is none.
unsigned long unixPidWithArgument(const std::string& token);

// This process's handle count and private bytes: what Windows says, or under Wine, where
// both answers stay 0, what its handle table and /proc say.
struct ProcessUsage {
    unsigned long handles = 0;
    double privateMiB = 0;
};
ProcessUsage usageOfThisProcess();

}  // namespace testing_support
