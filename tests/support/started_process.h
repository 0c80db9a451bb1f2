#pragma once
#include "platform/owned.h"

#include <windows.h>

#include <chrono>
#include <string>

namespace testing_support {

// A program started as a process of its own, for the tests, the benchmark and the
// demonstration to drive from outside. It keeps the process's handle; letting it go leaves
// the process running.
class StartedProcess {
public:
    StartedProcess() = default;
    // Runs the program with its quoted path and the arguments as its command line, from the
    // folder (the caller's when empty).
    // Whether it started, and the system's error number when not, are kept.
    explicit StartedProcess(const std::wstring& program, const std::wstring& arguments = {},
                            const std::wstring& folder = {});

    bool started() const { return process_.valid(); }
    DWORD startError() const { return startError_; }
    HANDLE handle() const { return process_.get(); }
    DWORD id() const { return id_; }
    DWORD threadId() const { return threadId_; }
    bool endsWithin(std::chrono::milliseconds timeout) const;
    // STILL_ACTIVE while it runs.
    DWORD exitCode() const;
    // Ends it with exit code 1; nothing happens once it has ended.
    void terminate() const;

private:
    platform::ScopedHandle process_;
    DWORD id_ = 0;
    DWORD threadId_ = 0;
    DWORD startError_ = 0;
};

}  // namespace testing_support
