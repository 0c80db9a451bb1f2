#include "bench/measurements.h"

#include <cstdio>

namespace bench {

void WaitCost::measureIdle(const Settings& settings, unsigned long serverPid)
{
    const double before = processorSeconds(serverPid);
    Sleep(static_cast<DWORD>(settings.scriptSeconds * 1000));
    idleServerSeconds.push_back(processorSeconds(serverPid) - before);
}

void WaitCost::measure(const Running& running, const Settings& settings, unsigned long serverPid)
{
    const double programBefore = processorSeconds(running.unixPid);
    const double serverBefore = processorSeconds(serverPid);
    Sleep(static_cast<DWORD>(settings.scriptSeconds * 1000));
    const double program = processorSeconds(running.unixPid) - programBefore;
    const double server = processorSeconds(serverPid) - serverBefore;
    programSeconds.push_back(program);
    serverSeconds.push_back(server);
    totalSeconds.push_back(program + server);
}

void printWaitCost(const WaitCost& tool, const WaitCost& reference, const Settings& settings)
{
    const std::string span = std::to_string(settings.scriptSeconds) + " s";
    const double toolTotal = summarize(tool.totalSeconds).median;
    const double referenceTotal = summarize(reference.totalSeconds).median;
    std::printf("| Processor time of the program over %s (s) | %s | %s | %s | | |\n", span.c_str(),
                spread(tool.programSeconds, 2).c_str(), spread(reference.programSeconds, 2).c_str(),
                percent(ratio(tool.programSeconds, reference.programSeconds)).c_str());
    std::printf("| Processor time of the wineserver over the same %s (s) | %s | %s | %s | | |\n", span.c_str(),
                spread(tool.serverSeconds, 2).c_str(), spread(reference.serverSeconds, 2).c_str(),
                percent(ratio(tool.serverSeconds, reference.serverSeconds)).c_str());
    std::printf("| Both together (s) | %s | %s | %s | < 1 %% of the reference and < 0.05 s | %s |\n",
                spread(tool.totalSeconds, 2).c_str(), spread(reference.totalSeconds, 2).c_str(),
                percent(toolTotal / referenceTotal).c_str(),
                verdict(toolTotal < 0.01 * referenceTotal && toolTotal < 0.05));
    std::printf("| The wineserver over %s with the tool's window up and no install (s) | %s | | | | |\n",
                span.c_str(), spread(tool.idleServerSeconds, 2).c_str());
}

std::vector<Check> checksOf(const WaitCost& tool, const WaitCost& reference)
{
    // The tool's own processor time may well be nil: Linux counts it in hundredths of a second.
    return {
        {"processor time of the tool", tool.programSeconds, true},
        {"processor time of the wineserver during the tool's wait", tool.serverSeconds, true},
        {"processor time of the wineserver with no install", tool.idleServerSeconds, true},
        {"processor time of the polling reference", reference.programSeconds, false},
        {"processor time of the wineserver during the reference's wait", reference.serverSeconds, false},
    };
}

}  // namespace bench
