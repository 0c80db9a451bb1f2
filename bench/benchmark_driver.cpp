// benchmark_driver [--quick]
// The benchmark that tools/benchmark.sh runs under Wine. It drives each program from outside,
// through its windows, as a person would, and measures:
//   - against the polling reference (busy_wait_reference.exe, the first design's wait): the
//     processor time that the program and the wineserver use while a setup script runs, how
//     fast the program's window answers WM_NULL during that wait, and how long after the
//     script's end the success box is on screen;
//   - against the least a window costs (minimal_window.exe): how long the window takes to come
//     up, the executable's size and the memory in use once the window is up;
//   - the tool's handle count before and after many installs.
// The programs of each pair take turns. The figures go to standard output as Markdown tables,
// with their targets and ratios; the exit code is 1 if a figure could not be measured, never
// because a target was missed. --quick measures once and briefly (ctest's BenchmarkSmoke).
//
// The watched setup script ends with release_waiter.exe, which ends the moment the driver sets
// an event. The driver holds the script's cmd.exe and takes the time it ends, then looks for the
// success box every millisecond: the completion figure runs from that end to the box.
//
// Processor time and memory come from Linux's /proc, read through Wine's drive Z. Wine opens
// files in its server, so Z:\proc\self is the wineserver's own entry. The programs are found
// there by a token on their command line, which none of them reads.
#include "bench/window_classes.h"
#include "tests/support/files.h"
#include "window/form1.h"
#include "window/layout.h"

#include <windows.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using testing_support::ansi;
using testing_support::readBytes;

namespace {

struct Settings {
    int waitRuns;       // watched installs of each program of the first pair
    int scriptSeconds;  // how long each watched script runs before the round trips
    int pingsPerRun;    // WM_NULL round trips after that, 10 ms apart
    int startRuns;      // starts of each program of the second pair
    int installs;       // installs in one session of the tool, for the handle count
};
constexpr Settings fullSettings{5, 5, 100, 30, 300};
constexpr Settings quickSettings{1, 1, 20, 2, 20};

constexpr wchar_t benchFolder[] = L"C:\\norvasquel bench";
constexpr wchar_t desktopName[] = L"NorvasquelBench";
constexpr wchar_t successText[] = L"تمت عملية التثبيت بنجاح..";
// Linux counts processor time in /proc in ticks of 1/100 s (USER_HZ).
constexpr double ticksPerSecond = 100.0;

[[noreturn]] void fail(const std::string& what)
{
    throw std::runtime_error(what);
}

double now()
{
    static const LONGLONG frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value.QuadPart;
    }();
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return static_cast<double>(value.QuadPart) / static_cast<double>(frequency);
}

// What the benchmark is doing, after the seconds since it began.
void progress(const std::string& what)
{
    static const double began = now();
    std::fprintf(stderr, "[%5.1f s] %s\n", now() - began, what.c_str());
}

// Asks every millisecond until the answer is yes; false after the timeout.
bool waitUntil(const std::function<bool()>& done, double timeoutSeconds)
{
    const double deadline = now() + timeoutSeconds;
    while (!done()) {
        if (now() > deadline) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

std::wstring textOf(HWND window)
{
    wchar_t text[512] = L"";
    SendMessageTimeoutW(window, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                        nullptr);
    return text;
}

std::string utf8(const std::wstring& text)
{
    std::string bytes(text.size() * 4, '\0');
    bytes.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                         bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                         nullptr)));
    return bytes;
}

// ---- Linux's view, through drive Z

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

// User and system time of every thread of the process, in seconds.
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

// The Linux process whose command line holds the token.
unsigned long unixPidWithArgument(const std::string& token)
{
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) {
        fail("cannot list Z:\\proc");
    }
    unsigned long found = 0;
    do {
        const std::wstring name = entry.cFileName;
        if (name.find_first_not_of(L"0123456789") != std::wstring::npos) {
            continue;
        }
        const unsigned long pid = std::stoul(name);
        const std::string commandLine = readBytes(procPath(pid, L"cmdline"));
        if (commandLine.find(token) != std::string::npos) {
            found = pid;
        }
    } while (found == 0 && FindNextFileW(search, &entry));
    FindClose(search);
    if (found == 0) {
        fail("no Linux process has " + token + " on its command line");
    }
    return found;
}

struct Memory {
    double privateMiB = 0;     // resident private memory, RssAnon, what Wine reports as private bytes
    double workingSetMiB = 0;  // VmRSS
};

Memory memoryOf(unsigned long unixPid)
{
    const std::string status = readBytes(procPath(unixPid, L"status"));
    const auto kib = [&status, unixPid](const char* key) {
        const size_t at = status.find(key);
        if (at == std::string::npos) {
            fail(std::string("no ") + key + " in /proc/" + std::to_string(unixPid) + "/status");
        }
        return std::stod(status.substr(at + std::char_traits<char>::length(key)));
    };
    return Memory{kib("RssAnon:") / 1024.0, kib("VmRSS:") / 1024.0};
}

// The process's handles as the system's handle table lists them (Wine does not count
// them for GetProcessHandleCount).
std::vector<USHORT> handlesOf(DWORD processId)
{
    std::vector<unsigned char> buffer(1 << 16);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status =
            NtQuerySystemInformation(SystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                                     &needed);
        if (status == static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH
            buffer.resize(std::max<size_t>(buffer.size() * 2, needed));
            continue;
        }
        if (status != 0) {
            fail("NtQuerySystemInformation(SystemHandleInformation) failed");
        }
        break;
    }
    const auto* table = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    std::vector<USHORT> handles;
    for (ULONG i = 0; i < table->Count; ++i) {
        if (table->Handle[i].OwnerPid == processId) {
            handles.push_back(table->Handle[i].HandleValue);
        }
    }
    return handles;
}

// "Type name" of one of the process's handles, through a copy of it.
std::string describeHandle(HANDLE process, USHORT value)
{
    HANDLE copy = nullptr;
    if (!DuplicateHandle(process, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value)), GetCurrentProcess(), &copy,
                         0, FALSE, DUPLICATE_SAME_ACCESS)) {
        return "(cannot be copied)";
    }
    std::vector<unsigned char> buffer(4096);
    std::wstring description;
    for (const auto kind : {ObjectTypeInformation, static_cast<OBJECT_INFORMATION_CLASS>(1)}) {  // 1: its name
        ULONG length = 0;
        if (NtQueryObject(copy, kind, buffer.data(), static_cast<ULONG>(buffer.size()), &length) == 0) {
            // Both answers begin with the text as a UNICODE_STRING.
            const auto* text = reinterpret_cast<const UNICODE_STRING*>(buffer.data());
            description += std::wstring(text->Buffer, text->Length / sizeof(wchar_t)) + L" ";
        }
    }
    CloseHandle(copy);
    return utf8(description);
}

// Waits until the wineserver has been idle for a second, at most 30 s: one that has just
// started is still starting the prefix's services.
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

// ---- The programs, driven through their windows

// On an X server without a window manager, Wine waits up to 2 s for one each time it hides a
// window, such as a closed message box. So the programs run on a Wine virtual desktop of the
// benchmark's own, which no window manager handles, and so does the driver, to see their windows.
void useVirtualDesktop()
{
    // Wine makes a desktop virtual, a window on the X server, when this key gives its size.
    const wchar_t size[] = L"1280x800";
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\Explorer\\Desktops", desktopName, REG_SZ, size,
                    sizeof size);
    const HDESK desktop = CreateDesktopW(desktopName, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (desktop == nullptr || !SetThreadDesktop(desktop)) {
        fail("cannot make the virtual desktop");
    }
}

HWND visibleTopWindow(DWORD processId, const wchar_t* windowClass)
{
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, windowClass, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

// A program started from its folder on drive C.
class Running {
public:
    Running(const std::wstring& program, const wchar_t* windowClass)
    {
        static int started = 0;
        const std::string token =
            "bench-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++started) + "-" +
            std::to_string(static_cast<long long>(now() * 1e6));
        std::wstring commandLine = L"\"" + program + L"\" " + std::wstring(token.begin(), token.end());
        const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring desktop = desktopName;
        startup.lpDesktop = desktop.data();
        const double began = now();
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &process_)) {
            fail("cannot start " + utf8(program));
        }
        try {
            // Up: the window is visible and answers, so its message loop runs. The program first
            // waits for input once it has shown and painted its window; looking for the window
            // only then keeps the driver from competing with the program for the wineserver.
            WaitForInputIdle(process_.hProcess, 30000);
            const bool up = waitUntil(
                [&] {
                    window = visibleTopWindow(process_.dwProcessId, windowClass);
                    return window != nullptr &&
                           SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr) != 0;
                },
                30);
            startupSeconds = now() - began;
            if (!up) {
                fail("the window of " + utf8(program) + " did not come up");
            }
            unixPid = unixPidWithArgument(token);
            startupProcessorSeconds = processorSeconds(unixPid);
        } catch (...) {
            TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
            throw;
        }
    }
    ~Running()
    {
        if (window != nullptr) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 10000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

    DWORD id() const { return process_.dwProcessId; }
    HANDLE handle() const { return process_.hProcess; }

    // Clicks the install button, as a mouse click would, without waiting for it to be handled.
    void clickInstall() const { PostMessageW(GetDlgItem(window, layout::cmdSetupId), BM_CLICK, 0, 0); }

    HWND visibleBox() const { return visibleTopWindow(process_.dwProcessId, L"#32770"); }

    // Checks that the box says the install succeeded, presses OK and waits until the window
    // takes clicks again.
    void answerSuccessBox(HWND box) const
    {
        const std::wstring text = textOf(GetDlgItem(box, 0xFFFF));
        if (text != successText) {
            fail("the program said: " + utf8(text));
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        if (!waitUntil([&] { return !IsWindow(box) && IsWindowEnabled(window); }, 30)) {
            fail("the message box did not close");
        }
    }

    HWND window = nullptr;
    double startupSeconds = 0;
    double startupProcessorSeconds = 0;  // what it used to come up, read just after
    unsigned long unixPid = 0;

private:
    PROCESS_INFORMATION process_{};
};

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

// The events by which the script's last step, release_waiter.exe, says that it runs and is released.
struct ScriptEvents {
    explicit ScriptEvents(const std::wstring& name)
        : started(CreateEventW(nullptr, TRUE, FALSE, (name + L".started").c_str())),
          release(CreateEventW(nullptr, TRUE, FALSE, (name + L".release").c_str()))
    {
        if (started == nullptr || release == nullptr) {
            fail("cannot make the script's events");
        }
    }
    ~ScriptEvents()
    {
        SetEvent(release);
        CloseHandle(started);
        CloseHandle(release);
    }
    ScriptEvents(const ScriptEvents&) = delete;
    ScriptEvents& operator=(const ScriptEvents&) = delete;

    HANDLE started;
    HANDLE release;
};

// ---- The measurements

struct WaitFigures {
    std::vector<double> idleServerSeconds;  // the wineserver over the same span with no install
    std::vector<double> programSeconds;     // processor time of the program during the script
    std::vector<double> serverSeconds;      // and of the wineserver
    std::vector<double> totalSeconds;
    std::vector<double> roundTripsMs;
    std::vector<double> releaseToEndMs;     // the script's own reaction, not the program's
    std::vector<double> endToBoxMs;
};

// What the wineserver does anyway: the same span with a window up and no install.
void watchIdle(const Settings& settings, unsigned long serverPid, WaitFigures& figures)
{
    const double before = processorSeconds(serverPid);
    Sleep(static_cast<DWORD>(settings.scriptSeconds * 1000));
    figures.idleServerSeconds.push_back(processorSeconds(serverPid) - before);
}

// One install watched from the script's start to the success box, which it answers.
void watchInstall(const Running& running, const Settings& settings, const ScriptEvents& events,
                  unsigned long serverPid, WaitFigures& figures)
{
    ResetEvent(events.started);
    ResetEvent(events.release);
    running.clickInstall();
    if (WaitForSingleObject(events.started, 30000) != WAIT_OBJECT_0) {
        fail("the setup script did not start");
    }
    const HANDLE script = openScriptProcess(running.id());

    const double programBefore = processorSeconds(running.unixPid);
    const double serverBefore = processorSeconds(serverPid);
    Sleep(static_cast<DWORD>(settings.scriptSeconds * 1000));
    const double program = processorSeconds(running.unixPid) - programBefore;
    const double server = processorSeconds(serverPid) - serverBefore;
    figures.programSeconds.push_back(program);
    figures.serverSeconds.push_back(server);
    figures.totalSeconds.push_back(program + server);

    for (int i = 0; i < settings.pingsPerRun; ++i) {
        const double sent = now();
        SendMessageTimeoutW(running.window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, nullptr);
        figures.roundTripsMs.push_back((now() - sent) * 1000);
        Sleep(10);
    }

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
    figures.releaseToEndMs.push_back((end - released) * 1000);
    figures.endToBoxMs.push_back((shown - end) * 1000);
    running.answerSuccessBox(box);
}

void installWithoutWatching(const Running& running)
{
    running.clickInstall();
    HWND box = nullptr;
    if (!waitUntil([&] { return (box = running.visibleBox()) != nullptr; }, 60)) {
        fail("no message box after an install");
    }
    running.answerSuccessBox(box);
}

// ---- The report

struct Summary {
    double median = NAN;
    double low = NAN;
    double high = NAN;
};

Summary summarize(std::vector<double> values)
{
    Summary summary;
    if (values.empty()) {
        return summary;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    summary.median = values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    summary.low = values.front();
    summary.high = values.back();
    return summary;
}

std::string number(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// "median (lowest-highest)"
std::string spread(const std::vector<double>& values, int decimals)
{
    const Summary summary = summarize(values);
    if (values.size() == 1) {
        return number(summary.median, decimals);
    }
    return number(summary.median, decimals) + " (" + number(summary.low, decimals) + "-" +
           number(summary.high, decimals) + ")";
}

std::string percent(double ratio)
{
    return number(100 * ratio, 2) + " %";
}

std::string times(double ratio)
{
    return number(ratio, 2) + " x";
}

const char* verdict(bool met)
{
    return met ? "yes" : "NO";
}

// A figure is measured when it has samples, all finite; those that cannot be nil must be above zero.
struct Check {
    const char* name;
    std::vector<double> values;
    bool mayBeNil;
};

bool allMeasured(const std::vector<Check>& checks)
{
    bool measured = true;
    for (const Check& check : checks) {
        const bool good = !check.values.empty() && std::all_of(check.values.begin(), check.values.end(), [&](double v) {
                              return std::isfinite(v) && (check.mayBeNil ? v >= 0 : v > 0);
                          });
        if (!good) {
            std::fprintf(stderr, "Not measured: %s\n", check.name);
            measured = false;
        }
    }
    return measured;
}

double fileSize(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        fail("cannot read the size of " + utf8(path));
    }
    return static_cast<double>(data.nFileSizeLow) + static_cast<double>(data.nFileSizeHigh) * 4294967296.0;
}

// Copies the program into a folder of its own on drive C, with a Components folder beside it.
std::wstring layOut(const std::wstring& name, const std::wstring& source)
{
    const std::wstring folder = std::wstring(benchFolder) + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\Components").c_str(), nullptr);
    const std::wstring program = folder + source.substr(source.find_last_of(L'\\'));
    if (!CopyFileW(source.c_str(), program.c_str(), FALSE)) {
        fail("cannot copy " + utf8(source));
    }
    return program;
}

void writeScript(const std::wstring& program, const std::wstring& text)
{
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    testing_support::writeBytes(folder + L"\\Components\\Is32BitNorvasquel.bat", ansi(text));
}

// Puts c:\InstallationLog.txt back as it was before the benchmark's installs.
class LogKeeper {
public:
    LogKeeper() : existed_(testing_support::exists(testing_support::logPath)), bytes_(readBytes(testing_support::logPath)) {}
    ~LogKeeper()
    {
        if (existed_) {
            testing_support::writeBytes(testing_support::logPath, bytes_);
        } else {
            testing_support::removeFile(testing_support::logPath);
        }
    }
    LogKeeper(const LogKeeper&) = delete;
    LogKeeper& operator=(const LogKeeper&) = delete;

private:
    bool existed_;
    std::string bytes_;
};

int benchmark(const Settings& settings)
{
    progress("Laying out the programs in C:\\norvasquel bench");
    useVirtualDesktop();
    const unsigned long serverPid = wineserverPid();
    const std::wstring built = testing_support::ownFolder();
    CreateDirectoryW(benchFolder, nullptr);
    const std::wstring tool = layOut(L"tool", built + L"\\..\\bin\\NorvasquelSetup.exe");
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
    const std::wstring waitingScript = L"@echo off\r\n\"" + waiter + L"\" " + eventName + L"\r\n";
    writeScript(tool, waitingScript);
    writeScript(reference, waitingScript);
    const LogKeeper log;

    // 1-3: the wait; the tool and the polling reference take turns.
    WaitFigures toolWait;
    WaitFigures referenceWait;
    for (int run = 0; run < settings.waitRuns; ++run) {
        progress("Waiting for scripts, run " + std::to_string(run + 1) + " of " + std::to_string(settings.waitRuns));
        for (int turn = 0; turn < 2; ++turn) {
            const bool toolsTurn = (run + turn) % 2 == 0;
            const Running running(toolsTurn ? tool : reference,
                                  toolsTurn ? Form1::className : bench::pollingReferenceClass);
            if (toolsTurn) {
                watchIdle(settings, serverPid, toolWait);
            }
            watchInstall(running, settings, events, serverPid, toolsTurn ? toolWait : referenceWait);
        }
    }

    // 4-5: start-up and memory; the tool and the minimal window take turns.
    progress("Starting the tool and the minimal window");
    std::vector<double> toolStartMs, minimalStartMs, toolStartCpuMs, minimalStartCpuMs;
    std::vector<double> toolPrivate, minimalPrivate, toolWorkingSet, minimalWorkingSet;
    for (int run = 0; run < settings.startRuns; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            const bool toolsTurn = (run + turn) % 2 == 0;
            const Running running(toolsTurn ? tool : minimal,
                                  toolsTurn ? Form1::className : bench::minimalWindowClass);
            Sleep(300);  // let what follows the first paint settle
            const Memory memory = memoryOf(running.unixPid);
            (toolsTurn ? toolStartMs : minimalStartMs).push_back(running.startupSeconds * 1000);
            (toolsTurn ? toolStartCpuMs : minimalStartCpuMs).push_back(running.startupProcessorSeconds * 1000);
            (toolsTurn ? toolPrivate : minimalPrivate).push_back(memory.privateMiB);
            (toolsTurn ? toolWorkingSet : minimalWorkingSet).push_back(memory.workingSetMiB);
        }
    }

    // 5: handles and memory over many installs in one session, with a script that only ends.
    // The first install is left out: Wine's user32 opens two registry keys of mouse settings
    // for good at the first click.
    progress(std::to_string(settings.installs) + " installs in one session of the tool");
    writeScript(tool, L"@exit /b 0\r\n");
    std::vector<USHORT> handlesUp, handlesBefore, handlesAfter;
    std::vector<std::string> addedHandles;
    Memory before, after;
    {
        const Running running(tool, Form1::className);
        Sleep(300);
        handlesUp = handlesOf(running.id());
        installWithoutWatching(running);
        handlesBefore = handlesOf(running.id());
        before = memoryOf(running.unixPid);
        for (int install = 0; install < settings.installs; ++install) {
            installWithoutWatching(running);
        }
        handlesAfter = handlesOf(running.id());
        after = memoryOf(running.unixPid);
        for (const USHORT value : handlesAfter) {
            if (std::find(handlesBefore.begin(), handlesBefore.end(), value) == handlesBefore.end()) {
                addedHandles.push_back(describeHandle(running.handle(), value));
            }
        }
    }
    progress("Done");

    const double toolSize = fileSize(tool);
    const double minimalSize = fileSize(minimal);
    const double referenceSize = fileSize(reference);

    const double toolTotal = summarize(toolWait.totalSeconds).median;
    const double referenceTotal = summarize(referenceWait.totalSeconds).median;
    const Summary toolTrips = summarize(toolWait.roundTripsMs);
    const Summary referenceTrips = summarize(referenceWait.roundTripsMs);
    const double toolCompletion = summarize(toolWait.endToBoxMs).median;
    const double toolStart = summarize(toolStartMs).median;
    const double minimalStart = summarize(minimalStartMs).median;
    const std::string span = std::to_string(settings.scriptSeconds) + " s";
    const auto ratio = [](const std::vector<double>& part, const std::vector<double>& whole) {
        return summarize(part).median / summarize(whole).median;
    };

    std::printf("Medians, with the lowest and highest in brackets, of %d installs of each program (a script "
                "that runs %s, then %d WM_NULL round trips, then ends) and of %d starts of each program; the "
                "programs of a pair take turns.\n\n",
                settings.waitRuns, span.c_str(), settings.pingsPerRun, settings.startRuns);
    std::printf("| While a setup script runs | NorvasquelSetup | Polling reference | Tool / reference | Target | Met |\n");
    std::printf("|---|---|---|---|---|---|\n");
    std::printf("| Processor time of the program over %s (s) | %s | %s | %s | | |\n", span.c_str(),
                spread(toolWait.programSeconds, 2).c_str(), spread(referenceWait.programSeconds, 2).c_str(),
                percent(ratio(toolWait.programSeconds, referenceWait.programSeconds)).c_str());
    std::printf("| Processor time of the wineserver over the same %s (s) | %s | %s | %s | | |\n", span.c_str(),
                spread(toolWait.serverSeconds, 2).c_str(), spread(referenceWait.serverSeconds, 2).c_str(),
                percent(ratio(toolWait.serverSeconds, referenceWait.serverSeconds)).c_str());
    std::printf("| Both together (s) | %s | %s | %s | < 1 %% of the reference and < 0.05 s | %s |\n",
                spread(toolWait.totalSeconds, 2).c_str(), spread(referenceWait.totalSeconds, 2).c_str(),
                percent(toolTotal / referenceTotal).c_str(),
                verdict(toolTotal < 0.01 * referenceTotal && toolTotal < 0.05));
    std::printf("| The wineserver over %s with the tool's window up and no install (s) | %s | | | | |\n",
                span.c_str(), spread(toolWait.idleServerSeconds, 2).c_str());
    std::printf("| WM_NULL round trip to the window, median (ms) | %s | %s | %s | < 2 ms | %s |\n",
                number(toolTrips.median, 3).c_str(), number(referenceTrips.median, 3).c_str(),
                times(toolTrips.median / referenceTrips.median).c_str(), verdict(toolTrips.median < 2));
    std::printf("| WM_NULL round trip to the window, worst (ms) | %s | %s | %s | < 20 ms | %s |\n",
                number(toolTrips.high, 3).c_str(), number(referenceTrips.high, 3).c_str(),
                times(toolTrips.high / referenceTrips.high).c_str(), verdict(toolTrips.high < 20));
    std::printf("| From the script's end to the success box on screen (ms) | %s | %s | %s | < 20 ms | %s |\n",
                spread(toolWait.endToBoxMs, 1).c_str(), spread(referenceWait.endToBoxMs, 1).c_str(),
                times(ratio(toolWait.endToBoxMs, referenceWait.endToBoxMs)).c_str(), verdict(toolCompletion < 20));
    std::printf("| From the release to the script's end: its last step and cmd.exe ending (ms) | %s | %s | | | |\n",
                spread(toolWait.releaseToEndMs, 1).c_str(), spread(referenceWait.releaseToEndMs, 1).c_str());

    std::printf("\n| Start-up and footprint | NorvasquelSetup | Minimal window | Tool / minimal | Target | Met |\n");
    std::printf("|---|---|---|---|---|---|\n");
    std::printf("| From starting the program to its window shown and answering (ms) | %s | %s | %s | <= 1.3 x | %s |\n",
                spread(toolStartMs, 1).c_str(), spread(minimalStartMs, 1).c_str(),
                times(toolStart / minimalStart).c_str(), verdict(toolStart <= 1.3 * minimalStart));
    std::printf("| Processor time used to come up (ms) | %s | %s | %s | | |\n", spread(toolStartCpuMs, 0).c_str(),
                spread(minimalStartCpuMs, 0).c_str(), times(ratio(toolStartCpuMs, minimalStartCpuMs)).c_str());
    std::printf("| Executable (KiB) | %s | %s | %s | | |\n", number(toolSize / 1024, 1).c_str(),
                number(minimalSize / 1024, 1).c_str(), times(toolSize / minimalSize).c_str());
    std::printf("| Private bytes with the window up: resident private memory (MiB) | %s | %s | %s | | |\n",
                spread(toolPrivate, 2).c_str(), spread(minimalPrivate, 2).c_str(),
                times(ratio(toolPrivate, minimalPrivate)).c_str());
    std::printf("| Working set with the window up (MiB) | %s | %s | %s | | |\n", spread(toolWorkingSet, 2).c_str(),
                spread(minimalWorkingSet, 2).c_str(), times(ratio(toolWorkingSet, minimalWorkingSet)).c_str());

    std::printf("\n| One session of the tool | Window up | After a first install | After %d more | Target | Met |\n",
                settings.installs);
    std::printf("|---|---|---|---|---|---|\n");
    std::printf("| Handles | %zu | %zu | %zu | no growth over the %d | %s |\n", handlesUp.size(),
                handlesBefore.size(), handlesAfter.size(), settings.installs,
                verdict(handlesAfter.size() <= handlesBefore.size()));
    std::printf("| Private bytes (MiB) | | %s | %s | | |\n", number(before.privateMiB, 2).c_str(),
                number(after.privateMiB, 2).c_str());
    for (const std::string& added : addedHandles) {
        std::printf("\nAdded over the %d installs: %s\n", settings.installs, added.c_str());
    }
    std::printf("\nThe polling reference's executable is %s KiB.\n", number(referenceSize / 1024, 1).c_str());

    // The tool's own processor time may well be nil: Linux counts it in hundredths of a second.
    const bool measured = allMeasured({
        {"processor time of the tool", toolWait.programSeconds, true},
        {"processor time of the wineserver during the tool's wait", toolWait.serverSeconds, true},
        {"processor time of the wineserver with no install", toolWait.idleServerSeconds, true},
        {"processor time of the polling reference", referenceWait.programSeconds, false},
        {"processor time of the wineserver during the reference's wait", referenceWait.serverSeconds, false},
        {"round trips to the tool", toolWait.roundTripsMs, false},
        {"round trips to the polling reference", referenceWait.roundTripsMs, false},
        {"the tool's script end to its box", toolWait.endToBoxMs, false},
        {"the reference's script end to its box", referenceWait.endToBoxMs, false},
        {"the release to the script's end", toolWait.releaseToEndMs, false},
        {"start-up of the tool", toolStartMs, false},
        {"start-up of the minimal window", minimalStartMs, false},
        {"processor time of the tool's start-up", toolStartCpuMs, false},
        {"processor time of the minimal window's start-up", minimalStartCpuMs, false},
        {"private bytes of the tool", toolPrivate, false},
        {"private bytes of the minimal window", minimalPrivate, false},
        {"working set of the tool", toolWorkingSet, false},
        {"working set of the minimal window", minimalWorkingSet, false},
        {"executable sizes", {toolSize, minimalSize, referenceSize}, false},
        {"handle counts",
         {static_cast<double>(handlesUp.size()), static_cast<double>(handlesBefore.size()),
          static_cast<double>(handlesAfter.size())},
         false},
        {"private bytes over the installs", {before.privateMiB, after.privateMiB}, false},
    });
    return measured ? 0 : 1;
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
