#pragma once
#include "tests/support/driven_tool.h"
#include "tests/support/process_usage.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// What every measurement of the benchmark shares: its settings, time, the Linux view of a
// process through Wine's drive Z, and the programs started and driven through their windows.
namespace bench {

struct Settings {
    int waitRuns;            // watched installs of each program of the first pair
    int scriptSeconds;       // how long each watched script runs before the round trips
    int pingsPerRun;         // WM_NULL round trips after that, 10 ms apart
    int completionRuns;      // runs that time the script's end to the box
    int completionInstalls;  // installs of each program of the first pair in each of those runs
    int startRuns;           // starts of each program of the second pair
    int installs;            // installs in one session of the tool, for the handle count
};

inline constexpr wchar_t benchFolder[] = L"C:\\norvasquel bench";

[[noreturn]] void fail(const std::string& what);
// Seconds on the performance counter.
double now();
// What the benchmark is doing, after the seconds since it began, on standard error.
void progress(const std::string& what);
// Asks every millisecond until the answer is yes; false after the timeout.
bool waitUntil(const std::function<bool()>& done, double timeoutSeconds);

// ---- Linux's view. Wine opens files in its server, so Z:\proc\self is the wineserver's entry;
// the programs are found by a token on their command line, which none of them reads.

// User and system time of every thread of the process, in seconds.
double processorSeconds(unsigned long unixPid);
unsigned long wineserverPid();
// Linux's load average over 1, 5 and 15 minutes, as /proc/loadavg gives it.
std::string loadAverage();
using Memory = testing_support::LinuxMemory;
Memory memoryOf(unsigned long unixPid);
// Waits until the wineserver has been idle for a second, at most 30 s: one that has just
// started is still starting the prefix's services.
void waitForQuietWine(unsigned long serverPid);

// ---- The programs

// A program started from its folder on drive C; it is up when its window is visible and answers.
class Running : public testing_support::DrivenTool {
public:
    Running(const std::wstring& program, const wchar_t* windowClass);
    ~Running();
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

    // Answers the next box, checks that it said the install succeeded and waits until the
    // window takes clicks again.
    void answerNextSuccessBox() const;

    double startupSeconds = 0;
    double startupProcessorSeconds = 0;  // what it used to come up, read just after
    unsigned long unixPid = 0;
};

// Installs once and answers the box, without measuring.
void installWithoutWatching(const Running& running);

// The events by which the script's last step, release_waiter.exe, says that it runs and is released.
struct ScriptEvents {
    explicit ScriptEvents(const std::wstring& name);
    ~ScriptEvents();
    ScriptEvents(const ScriptEvents&) = delete;
    ScriptEvents& operator=(const ScriptEvents&) = delete;

    HANDLE started;
    HANDLE release;
};

// Lays out an application folder of its own under benchFolder for the program.
std::wstring layOut(const std::wstring& name, const std::wstring& source);
std::wstring folderOf(const std::wstring& program);

// Puts c:\InstallationLog.txt back as it was before the benchmark's installs.
class LogKeeper {
public:
    LogKeeper();
    ~LogKeeper();
    LogKeeper(const LogKeeper&) = delete;
    LogKeeper& operator=(const LogKeeper&) = delete;

private:
    bool existed_;
    std::string bytes_;
};

}  // namespace bench
