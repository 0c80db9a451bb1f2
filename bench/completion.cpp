#include "bench/measurements.h"

#include <tlhelp32.h>

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
        if (entry.th32ParentProcessID == programId && lstrcmpiW(entry.szExeFile, L"cmd.exe") == 0) {
            script = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    if (script == nullptr) {
        fail("cannot find the script's cmd.exe");
    }
    return script;
}

}  // namespace

void Completion::measure(const Running& running, const ScriptEvents& events)
{
    const HANDLE script = openScriptProcess(running.id());
    const double released = now();
    SetEvent(events.release);
    const bool ended = WaitForSingleObject(script, 30000) == WAIT_OBJECT_0;
    const double end = now();
    CloseHandle(script);
    if (!ended) {
        fail("the setup script did not end");
    }
    HWND box = nullptr;
    if (!waitUntil([&] { return (box = running.visibleBox()) != nullptr; }, 30)) {
        fail("no message box after the script ended");
    }
    const double shown = now();
    releaseToEndMs.push_back((end - released) * 1000);
    endToBoxMs.push_back((shown - end) * 1000);
    running.answerSuccessBox(box);
}

void printCompletion(const Completion& tool, const Completion& reference)
{
    std::printf("| From the script's end to the success box on screen (ms) | %s | %s | %s | < 20 ms | %s |\n",
                spread(tool.endToBoxMs, 1).c_str(), spread(reference.endToBoxMs, 1).c_str(),
                times(ratio(tool.endToBoxMs, reference.endToBoxMs)).c_str(),
                verdict(summarize(tool.endToBoxMs).median < 20));
    std::printf("| From the release to the script's end: its last step and cmd.exe ending (ms) | %s | %s | | | |\n",
                spread(tool.releaseToEndMs, 1).c_str(), spread(reference.releaseToEndMs, 1).c_str());
}

std::vector<Check> checksOf(const Completion& tool, const Completion& reference)
{
    return {
        {"the tool's script end to its box", tool.endToBoxMs, false},
        {"the reference's script end to its box", reference.endToBoxMs, false},
        {"the release to the script's end", tool.releaseToEndMs, false},
    };
}

}  // namespace bench
