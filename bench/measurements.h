#pragma once
#include "bench/bench_support.h"
#include "bench/report.h"

#include <string>
#include <vector>

// The six measurements. Each gathers its figures from the programs that the driver starts,
// prints its rows of the driver's tables and says which of its figures must have been measured.
namespace bench {

// Processor time of the program and of the wineserver while a setup script runs.
struct WaitCost {
    std::vector<double> idleServerSeconds;  // the wineserver over the same span with no install
    std::vector<double> programSeconds;
    std::vector<double> serverSeconds;
    std::vector<double> totalSeconds;

    // The span with the tool's window up and no install: what the wineserver does anyway.
    void measureIdle(const Settings& settings, unsigned long serverPid);
    void measure(const Running& running, const Settings& settings, unsigned long serverPid);
};
void printWaitCost(const WaitCost& tool, const WaitCost& reference, const Settings& settings);
std::vector<Check> checksOf(const WaitCost& tool, const WaitCost& reference);

// WM_NULL sent to the program's window while the script still runs, timed one by one.
struct RoundTrips {
    std::vector<double> ms;

    void measure(const Running& running, const Settings& settings);
};
void printRoundTrips(const RoundTrips& tool, const RoundTrips& reference);
std::vector<Check> checksOf(const RoundTrips& tool, const RoundTrips& reference);

// From the script's end to the success box on screen, in the first install of a fresh session
// of the program, as a user installs. The driver holds the script's cmd.exe, releases the
// script's last step and takes the time cmd.exe ends, then looks for the box every millisecond
// and answers it. Several runs, each with the load average as it began.
struct Completion {
    std::string load;
    std::vector<double> toolMs;
    std::vector<double> referenceMs;
    std::vector<double> releaseToEndMs;  // the script's own reaction, not the program's

    // One install, already started, of the tool or of the reference.
    void measure(const Running& running, const ScriptEvents& events, bool tool);
};
void printCompletion(const std::vector<Completion>& runs);
// A table of the runs: each one's medians and ratio.
void printCompletionRuns(const std::vector<Completion>& runs);
std::vector<Check> checksOf(const std::vector<Completion>& runs);

// From starting the program to its window shown and answering, and the processor time it took.
struct StartUp {
    std::vector<double> ms;
    std::vector<double> processorMs;

    void record(const Running& running);
};
void printStartUp(const StartUp& tool, const StartUp& minimal);
std::vector<Check> checksOf(const StartUp& tool, const StartUp& minimal);

// The executable's size and the memory in use with the window up.
struct Footprint {
    double executableBytes = 0;
    std::vector<double> privateMiB;
    std::vector<double> workingSetMiB;

    explicit Footprint(const std::wstring& program);
    void record(const Running& running);
};
void printFootprint(const Footprint& tool, const Footprint& minimal);
std::vector<Check> checksOf(const Footprint& tool, const Footprint& minimal);

// The tool's handles, and its private bytes, over many installs in one session.
struct Handles {
    size_t windowUp = 0;
    size_t afterFirst = 0;
    size_t afterAll = 0;
    Memory before;
    Memory after;
    std::vector<std::string> added;  // "type name" of each handle that the installs added

    void measure(const std::wstring& tool, const wchar_t* windowClass, const Settings& settings);
};
void printHandles(const Handles& handles, const Settings& settings);
std::vector<Check> checksOf(const Handles& handles);

}  // namespace bench
