#include "platform/process.h"

#include "platform/error.h"

namespace platform {

StartedProcess startProgram(const std::wstring& program, const std::wstring& commandLine,
                            const std::wstring& currentFolder, int showState)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION created{};
    std::wstring mutableCommandLine = commandLine;  // CreateProcessW may write into it
    // The program keeps the system's critical-error boxes (a drive not ready, a disk to insert)
    // from itself, not from what it starts: those ask as they would when run by hand.
    if (!CreateProcessW(program.c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_DEFAULT_ERROR_MODE, nullptr, currentFolder.c_str(), &startup, &created)) {
        raiseLastError();
    }
    CloseHandle(created.hThread);
    return StartedProcess{created.dwProcessId, ScopedHandle(created.hProcess)};
}

bool hasEnded(HANDLE process)
{
    const DWORD result = WaitForSingleObject(process, 0);
    if (result == WAIT_FAILED) {
        raiseLastError();
    }
    return result == WAIT_OBJECT_0;
}

unsigned long exitCodeOf(HANDLE process)
{
    DWORD code = 0;
    if (!GetExitCodeProcess(process, &code)) {
        raiseLastError();
    }
    return code;
}

}  // namespace platform
