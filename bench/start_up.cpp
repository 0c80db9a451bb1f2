#include "bench/measurements.h"

#include <cstdio>

namespace bench {

void StartUp::record(const Running& running)
{
    ms.push_back(running.startupSeconds * 1000);
    processorMs.push_back(running.startupProcessorSeconds * 1000);
}

void printStartUp(const StartUp& tool, const StartUp& minimal)
{
    const double toolStart = summarize(tool.ms).median;
    const double minimalStart = summarize(minimal.ms).median;
    std::printf("| From starting the program to its window shown and answering (ms) | %s | %s | %s | <= 1.3 x | %s |\n",
                spread(tool.ms, 1).c_str(), spread(minimal.ms, 1).c_str(), times(toolStart / minimalStart).c_str(),
                verdict(toolStart <= 1.3 * minimalStart));
    std::printf("| Processor time used to come up (ms) | %s | %s | %s | | |\n", spread(tool.processorMs, 0).c_str(),
                spread(minimal.processorMs, 0).c_str(), times(ratio(tool.processorMs, minimal.processorMs)).c_str());
}

std::vector<Check> checksOf(const StartUp& tool, const StartUp& minimal)
{
    return {
        {"start-up of the tool", tool.ms, false},
        {"start-up of the minimal window", minimal.ms, false},
        {"processor time of the tool's start-up", tool.processorMs, false},
        {"processor time of the minimal window's start-up", minimal.processorMs, false},
    };
}

}  // namespace bench
