#include "bench/bench_support.h"

#include "tests/support/files.h"

#include <sstream>

using testing_support::readBytes;

namespace bench {

namespace {

// Linux counts processor time in /proc in ticks of 1/100 s (USER_HZ).
constexpr double ticksPerSecond = 100.0;

std::wstring procPath(unsigned long unixPid, const wchar_t* file)
{
    return L"Z:\\proc\\" + std::to_wstring(unixPid) + L"\\" + file;
}

// The fields of /proc/PID/stat after the command name, which may hold blanks: [0] is field 3.
std::vector<std::string> statFields(const std::string& stat)
{
    std::vector<std::string> fields;
    const size_t end = stat.rfind(')');
    if (end == std::string::npos) {
        return fields;
    }
    size_t start = end + 2;
    while (start < stat.size()) {
        size_t blank = stat.find(' ', start);
        blank = blank == std::string::npos ? stat.size() : blank;
        fields.push_back(stat.substr(start, blank - start));
        start = blank + 1;
    }
    return fields;
}

}  // namespace

double processorSeconds(unsigned long unixPid)
{
    const std::vector<std::string> fields = statFields(readBytes(procPath(unixPid, L"stat")));
    if (fields.size() < 13) {
        fail("cannot read /proc/" + std::to_string(unixPid) + "/stat");
    }
    return static_cast<double>(std::stoull(fields[11]) + std::stoull(fields[12])) / ticksPerSecond;
}

unsigned long wineserverPid()
{
    const std::string stat = readBytes(L"Z:\\proc\\self\\stat");
    if (stat.find("(wineserver") == std::string::npos) {
        fail("Z:\\proc\\self is not the wineserver; is this Wine?");
    }
    return std::stoul(stat);
}

std::string loadAverage()
{
    std::istringstream fields(readBytes(L"Z:\\proc\\loadavg"));
    std::string one, five, fifteen;
    if (!(fields >> one >> five >> fifteen)) {
        fail("cannot read /proc/loadavg");
    }
    return one + " " + five + " " + fifteen;
}

Memory memoryOf(unsigned long unixPid)
{
    const auto memory = testing_support::linuxMemoryOf(unixPid);
    if (!memory) {
        fail("cannot read /proc/" + std::to_string(unixPid) + "/status");
    }
    return *memory;
}

void waitForQuietWine(unsigned long serverPid)
{
    for (int second = 0; second < 30; ++second) {
        const double before = processorSeconds(serverPid);
        Sleep(1000);
        if (processorSeconds(serverPid) - before <= 0.01) {
            return;
        }
    }
}

}  // namespace bench
