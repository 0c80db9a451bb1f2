#include "tests/support/started_process.h"

namespace testing_support {

StartedProcess::StartedProcess(const std::wstring& program, const std::wstring& arguments,
                               const std::wstring& folder)
{
    std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &created)) {
        startError_ = GetLastError();
        return;
    }
    CloseHandle(created.hThread);
    process_ = platform::ScopedHandle(created.hProcess);
    id_ = created.dwProcessId;
    threadId_ = created.dwThreadId;
}

bool StartedProcess::endsWithin(std::chrono::milliseconds timeout) const
{
    return WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD StartedProcess::exitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void StartedProcess::terminate() const
{
    if (started()) {
        TerminateProcess(process_.get(), 1);
    }
}

}  // namespace testing_support
