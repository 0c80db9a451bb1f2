#include "bench/measurements.h"

#include "tests/support/files.h"

#include <cstdio>

namespace bench {

Footprint::Footprint(const std::wstring& program)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(program.c_str(), GetFileExInfoStandard, &data)) {
        fail("cannot read the size of " + testing_support::utf8(program));
    }
    executableBytes = static_cast<double>(data.nFileSizeLow) + static_cast<double>(data.nFileSizeHigh) * 4294967296.0;
}

void Footprint::record(const Running& running)
{
    const Memory memory = memoryOf(running.unixPid);
    privateMiB.push_back(memory.privateMiB);
    workingSetMiB.push_back(memory.workingSetMiB);
}

void printFootprint(const Footprint& tool, const Footprint& minimal)
{
    std::printf("| Executable (KiB) | %s | %s | %s | | |\n", number(tool.executableBytes / 1024, 1).c_str(),
                number(minimal.executableBytes / 1024, 1).c_str(),
                times(tool.executableBytes / minimal.executableBytes).c_str());
    std::printf("| Private bytes with the window up: resident private memory (MiB) | %s | %s | %s | | |\n",
                spread(tool.privateMiB, 2).c_str(), spread(minimal.privateMiB, 2).c_str(),
                times(ratio(tool.privateMiB, minimal.privateMiB)).c_str());
    std::printf("| Working set with the window up (MiB) | %s | %s | %s | | |\n", spread(tool.workingSetMiB, 2).c_str(),
                spread(minimal.workingSetMiB, 2).c_str(), times(ratio(tool.workingSetMiB, minimal.workingSetMiB)).c_str());
}

std::vector<Check> checksOf(const Footprint& tool, const Footprint& minimal)
{
    return {
        {"executable sizes", {tool.executableBytes, minimal.executableBytes}, false},
        {"private bytes of the tool", tool.privateMiB, false},
        {"private bytes of the minimal window", minimal.privateMiB, false},
        {"working set of the tool", tool.workingSetMiB, false},
        {"working set of the minimal window", minimal.workingSetMiB, false},
    };
}

}  // namespace bench
