#include "bench/measurements.h"
#include "commands/install_plan.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

// The cmd.exe that the program started for its script.
HANDLE openScriptProcess(DWORD programId)
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    HANDLE script = nullptr;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && script == nullptr;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == programId && lstrcmpiW(entry.szExeFile, commands::interpreter) == 0) {
            script = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    if (script == nullptr) {
        fail("cannot find the script's cmd.exe");
    }
    return script;
}

std::vector<double> pooled(const std::vector<Completion>& runs, std::vector<double> Completion::*figure)
{
    std::vector<double> all;
    for (const Completion& run : runs) {
        all.insert(all.end(), (run.*figure).begin(), (run.*figure).end());
    }
    return all;
}

bool noSlower(const Completion& run)
{
    return ratio(run.toolMs, run.referenceMs) <= 1;
}

}  // namespace

void Completion::measure(const Running& running, const ScriptEvents& events, bool tool)
{
    const HANDLE script = openScriptProcess(running.process.id());
    const double released = now();
    SetEvent(events.release);
    const bool ended = WaitForSingleObject(script, 30000) == WAIT_OBJECT_0;
    const double end = now();
    CloseHandle(script);
    if (!ended) {
        fail("the setup script did not end");
    }
    if (!waitUntil([&] { return testing_support::isShowingBox(running.process.id()); }, 30)) {
        fail("no message box after the script ended");
    }
    const double shown = now();
    releaseToEndMs.push_back((end - released) * 1000);
    (tool ? toolMs : referenceMs).push_back((shown - end) * 1000);
    running.answerNextSuccessBox();
}

void printCompletion(const std::vector<Completion>& runs)
{
    const std::vector<double> tool = pooled(runs, &Completion::toolMs);
    const std::vector<double> reference = pooled(runs, &Completion::referenceMs);
    const bool met = std::all_of(runs.begin(), runs.end(), noSlower);
    std::printf("| From the script's end to the success box on screen, all %zu runs (ms) | %s | %s | %s | "
                "<= 1 x in each run | %s |\n",
                runs.size(), spread(tool, 1).c_str(), spread(reference, 1).c_str(), times(ratio(tool, reference)).c_str(),
                verdict(met));
    std::printf("| From the release to the script's end: its last step and cmd.exe ending (ms) | %s | | | | |\n",
                spread(pooled(runs, &Completion::releaseToEndMs), 1).c_str());
}

void printCompletionRuns(const std::vector<Completion>& runs)
{
    std::printf("| From the script's end to the success box (ms) | Load average as it began | NorvasquelSetup | "
                "Polling reference | Tool / reference | No slower |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (size_t run = 0; run < runs.size(); ++run) {
        const Completion& figures = runs[run];
        std::printf("| Run %zu, %zu installs of each | %s | %s | %s | %s | %s |\n", run + 1, figures.toolMs.size(),
                    figures.load.c_str(), spread(figures.toolMs, 1).c_str(), spread(figures.referenceMs, 1).c_str(),
                    times(ratio(figures.toolMs, figures.referenceMs)).c_str(), verdict(noSlower(figures)));
    }
}

std::vector<Check> checksOf(const std::vector<Completion>& runs)
{
    std::vector<Check> checks;
    for (const Completion& run : runs) {
        checks.push_back({"the tool's script end to its box", run.toolMs, false});
        checks.push_back({"the reference's script end to its box", run.referenceMs, false});
        checks.push_back({"the release to the script's end", run.releaseToEndMs, false});
    }
    return checks;
}

}  // namespace bench
