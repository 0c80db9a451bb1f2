#include "bench/measurements.h"

#include <cstdio>

namespace bench {

void RoundTrips::measure(const Running& running, const Settings& settings)
{
    for (int i = 0; i < settings.pingsPerRun; ++i) {
        const double sent = now();
        SendMessageTimeoutW(running.window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, nullptr);
        ms.push_back((now() - sent) * 1000);
        Sleep(10);
    }
}

void printRoundTrips(const RoundTrips& tool, const RoundTrips& reference)
{
    const Summary toolTrips = summarize(tool.ms);
    const Summary referenceTrips = summarize(reference.ms);
    std::printf("| WM_NULL round trip to the window, median (ms) | %s | %s | %s | < 2 ms | %s |\n",
                number(toolTrips.median, 3).c_str(), number(referenceTrips.median, 3).c_str(),
                times(toolTrips.median / referenceTrips.median).c_str(), verdict(toolTrips.median < 2));
    std::printf("| WM_NULL round trip to the window, worst (ms) | %s | %s | %s | < 20 ms | %s |\n",
                number(toolTrips.high, 3).c_str(), number(referenceTrips.high, 3).c_str(),
                times(toolTrips.high / referenceTrips.high).c_str(), verdict(toolTrips.high < 20));
}

std::vector<Check> checksOf(const RoundTrips& tool, const RoundTrips& reference)
{
    return {
        {"round trips to the tool", tool.ms, false},
        {"round trips to the polling reference", reference.ms, false},
    };
}

}  // namespace bench
