#include "bench/bench_support.h"

#include "platform/error.h"
#include "tests/support/files.h"
#include "tests/support/texts.h"
#include "tests/support/window_queries.h"

#include <cstdio>
#include <stdexcept>

using testing_support::readBytes;
using testing_support::utf8;

namespace bench {

void fail(const std::string& what)
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

void progress(const std::string& what)
{
    static const double began = now();
    std::fprintf(stderr, "[%5.1f s] %s\n", now() - began, what.c_str());
}

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

Running::Running(const std::wstring& program, const wchar_t* windowClass)
{
    static int started = 0;
    const std::string token = "bench-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++started) +
                              "-" + std::to_string(static_cast<long long>(now() * 1e6));
    const double began = now();
    process = testing_support::StartedProcess(program, std::wstring(token.begin(), token.end()), folderOf(program));
    if (!process.started()) {
        const DWORD error = process.startError();
        fail("cannot start " + utf8(program) + ": error " + std::to_string(error) + ", " +
             utf8(platform::systemDescription(error)));
    }
    try {
        // The program first waits for input once it has shown and painted its window; looking
        // for the window only then keeps the driver from competing with it for the wineserver.
        WaitForInputIdle(process.handle(), 30000);
        HWND found = nullptr;
        const bool up = waitUntil(
            [&] {
                found = testing_support::topWindowOf(process.id(), windowClass);
                return found != nullptr && SendMessageTimeoutW(found, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr) != 0;
            },
            30);
        startupSeconds = now() - began;
        if (!up) {
            fail("the window of " + utf8(program) + " did not come up");
        }
        unixPid = testing_support::unixPidWithArgument(token);
        if (unixPid == 0) {
            fail("no Linux process has " + token + " on its command line");
        }
        startupProcessorSeconds = processorSeconds(unixPid);
        takeWindow(found);
    } catch (...) {
        process.terminate();
        throw;
    }
}

Running::~Running()
{
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (!process.endsWithin(std::chrono::seconds(10))) {
        process.terminate();
        process.endsWithin(std::chrono::seconds(10));
    }
}

void Running::answerNextSuccessBox() const
{
    const auto box = testing_support::answerNextBox(process.id(), std::chrono::minutes(1));
    if (!box) {
        fail("no message box after an install");
    }
    if (box->text != testing_support::successText) {
        fail("the program said: " + utf8(box->text));
    }
    if (!waitUntil([&] { return IsWindowEnabled(window); }, 30)) {
        fail("the message box did not close");
    }
}

void installWithoutWatching(const Running& running)
{
    testing_support::click(running.installButton);
    running.answerNextSuccessBox();
}

ScriptEvents::ScriptEvents(const std::wstring& name)
    : started(CreateEventW(nullptr, TRUE, FALSE, (name + L".started").c_str())),
      release(CreateEventW(nullptr, TRUE, FALSE, (name + L".release").c_str()))
{
    if (started == nullptr || release == nullptr) {
        fail("cannot make the script's events");
    }
}

ScriptEvents::~ScriptEvents()
{
    SetEvent(release);
    CloseHandle(started);
    CloseHandle(release);
}

std::wstring folderOf(const std::wstring& program)
{
    return program.substr(0, program.find_last_of(L'\\'));
}

std::wstring layOut(const std::wstring& name, const std::wstring& source)
{
    const std::wstring program =
        testing_support::layOutApplicationFolder(std::wstring(benchFolder) + L"\\" + name, source);
    if (program.empty()) {
        fail("cannot copy " + utf8(source));
    }
    return program;
}

LogKeeper::LogKeeper()
    : existed_(testing_support::exists(testing_support::logPath)), bytes_(readBytes(testing_support::logPath))
{
}

LogKeeper::~LogKeeper()
{
    if (existed_) {
        testing_support::writeBytes(testing_support::logPath, bytes_);
    } else {
        testing_support::removeFile(testing_support::logPath);
    }
}

}  // namespace bench
