// benchmark_driver [--quick]
// The benchmark that tools/benchmark.sh runs under Wine. It drives each program from outside,
// through its windows, as a person would, and measures:
//   - against the polling reference (busy_wait_reference.exe: a wait that asks for the script's
//     exit code in a loop with no pause, then the same log line and box): the processor time that the program and the wineserver use while a setup script
//     runs, how fast the program's window answers WM_NULL during that wait, and, in three runs,
//     how long after the script's end the success box is on screen;
//   - against the least a window costs (minimal_window.exe): how long the window takes to come
//     up, the executable's size and the memory in use once the window is up;
//   - the tool's handle count before and after many installs.
// The programs of each pair take turns. The figures go to standard output as Markdown tables,
// with their targets and ratios; the exit code is 1 if a figure could not be measured, never
// because a target was missed. --quick measures briefly (ctest's BenchmarkSmoke).
//
// The watched setup script ends with release_waiter.exe, which ends the moment the driver sets
// an event.
#include "bench/measurements.h"
#include "bench/window_classes.h"
#include "tests/support/files.h"
#include "tests/support/setup_scripts.h"
#include "window/form1.h"

#include <cstdio>
#include <stdexcept>

using namespace bench;

namespace {

constexpr Settings fullSettings{5, 5, 100, 3, 20, 30, 300};
constexpr Settings quickSettings{1, 1, 20, 3, 1, 2, 20};

void writeScript(const std::wstring& program, const std::wstring& text)
{
    testing_support::writeScript(folderOf(program), 32, text);
}

// Clicks install and waits until the script's last step runs and waits for its release.
void startWatchedInstall(const Running& running, const ScriptEvents& events)
{
    ResetEvent(events.started);
    ResetEvent(events.release);
    testing_support::click(running.installButton);
    if (WaitForSingleObject(events.started, 30000) != WAIT_OBJECT_0) {
        fail("the setup script did not start");
    }
}

int benchmark(const Settings& settings)
{
    progress("Laying out the programs in C:\\norvasquel bench");
    const unsigned long serverPid = wineserverPid();
    const std::wstring built = testing_support::ownFolder();
    CreateDirectoryW(benchFolder, nullptr);
    const std::wstring tool = layOut(L"tool", testing_support::builtProgram());
    const std::wstring reference = layOut(L"reference", built + L"\\busy_wait_reference.exe");
    const std::wstring minimal = layOut(L"minimal", built + L"\\minimal_window.exe");
    const std::wstring waiter = std::wstring(benchFolder) + L"\\release_waiter.exe";
    if (!CopyFileW((built + L"\\release_waiter.exe").c_str(), waiter.c_str(), FALSE)) {
        fail("cannot copy release_waiter.exe");
    }
    const std::wstring eventName = L"NorvasquelBench" + std::to_wstring(GetCurrentProcessId());
    const ScriptEvents events(eventName);
    progress("Waiting for Wine to settle");
    waitForQuietWine(serverPid);
    const std::wstring waitingScript = L"@echo off\r\n" + testing_support::quoted(waiter) + L" " + eventName + L"\r\n";
    writeScript(tool, waitingScript);
    writeScript(reference, waitingScript);
    const LogKeeper log;

    WaitCost toolWaitCost, referenceWaitCost;
    RoundTrips toolTrips, referenceTrips;
    for (int run = 0; run < settings.waitRuns; ++run) {
        progress("Waiting for scripts, run " + std::to_string(run + 1) + " of " + std::to_string(settings.waitRuns));
        for (int turn = 0; turn < 2; ++turn) {
            const bool toolsTurn = (run + turn) % 2 == 0;
            const Running running(toolsTurn ? tool : reference,
                                  toolsTurn ? Form1::className : pollingReferenceClass);
            if (toolsTurn) {
                toolWaitCost.measureIdle(settings, serverPid);
            }
            startWatchedInstall(running, events);
            (toolsTurn ? toolWaitCost : referenceWaitCost).measure(running, settings, serverPid);
            (toolsTurn ? toolTrips : referenceTrips).measure(running, settings);
            SetEvent(events.release);
            running.answerNextSuccessBox();
        }
    }

    std::vector<Completion> completions(static_cast<size_t>(settings.completionRuns));
    for (size_t run = 0; run < completions.size(); ++run) {
        progress("From the script's end to the box, run " + std::to_string(run + 1) + " of " +
                 std::to_string(completions.size()));
        completions[run].load = loadAverage();
        for (int install = 0; install < settings.completionInstalls; ++install) {
            for (int turn = 0; turn < 2; ++turn) {
                const bool toolsTurn = (install + turn) % 2 == 0;
                const Running running(toolsTurn ? tool : reference,
                                      toolsTurn ? Form1::className : pollingReferenceClass);
                startWatchedInstall(running, events);
                completions[run].measure(running, events, toolsTurn);
            }
        }
    }

    progress("Starting the tool and the minimal window");
    StartUp toolStartUp, minimalStartUp;
    Footprint toolFootprint(tool), minimalFootprint(minimal);
    for (int run = 0; run < settings.startRuns; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            const bool toolsTurn = (run + turn) % 2 == 0;
            const Running running(toolsTurn ? tool : minimal, toolsTurn ? Form1::className : minimalWindowClass);
            (toolsTurn ? toolStartUp : minimalStartUp).record(running);
            Sleep(300);  // let what follows the first paint settle
            (toolsTurn ? toolFootprint : minimalFootprint).record(running);
        }
    }

    progress(std::to_string(settings.installs) + " installs in one session of the tool");
    writeScript(tool, L"@exit /b 0\r\n");
    Handles handles;
    handles.measure(tool, Form1::className, settings);
    progress("Done");

    std::printf("Medians, with the lowest and highest in brackets, of %d installs of each program (a script "
                "that runs %d s, then %d WM_NULL round trips, then ends), of %d runs of %d installs of each "
                "program (the first install of a fresh session, with a script that ends when released) and of %d "
                "starts of each program; the programs of a pair take turns.\n\n",
                settings.waitRuns, settings.scriptSeconds, settings.pingsPerRun, settings.completionRuns,
                settings.completionInstalls, settings.startRuns);
    std::printf("| While a setup script runs | NorvasquelSetup | Polling reference | Tool / reference | Target | Met |\n");
    std::printf("|---|---|---|---|---|---|\n");
    printWaitCost(toolWaitCost, referenceWaitCost, settings);
    printRoundTrips(toolTrips, referenceTrips);
    printCompletion(completions);
    std::printf("\n");
    printCompletionRuns(completions);

    std::printf("\n| Start-up and footprint | NorvasquelSetup | Minimal window | Tool / minimal | Target | Met |\n");
    std::printf("|---|---|---|---|---|---|\n");
    printStartUp(toolStartUp, minimalStartUp);
    printFootprint(toolFootprint, minimalFootprint);

    std::printf("\n| One session of the tool | Window up | After a first install | After %d more | Target | Met |\n",
                settings.installs);
    std::printf("|---|---|---|---|---|---|\n");
    printHandles(handles, settings);
    const Footprint referenceFootprint(reference);
    std::printf("\nThe polling reference's executable is %s KiB.\n",
                number(referenceFootprint.executableBytes / 1024, 1).c_str());

    std::vector<Check> checks;
    for (auto&& part : {checksOf(toolWaitCost, referenceWaitCost), checksOf(toolTrips, referenceTrips),
                        checksOf(completions), checksOf(toolStartUp, minimalStartUp),
                        checksOf(toolFootprint, minimalFootprint), checksOf(handles)}) {
        checks.insert(checks.end(), part.begin(), part.end());
    }
    return allMeasured(checks) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const bool quick = argc == 2 && std::wstring(argv[1]) == L"--quick";
    if (argc > 2 || (argc == 2 && !quick)) {
        std::fprintf(stderr, "usage: benchmark_driver [--quick]\n");
        return 2;
    }
    try {
        return benchmark(quick ? quickSettings : fullSettings);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "The benchmark failed: %s\n", error.what());
        return 1;
    }
}
