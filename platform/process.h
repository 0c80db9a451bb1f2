#pragma once
#include "platform/owned.h"

#include <string>

namespace platform {

struct StartedProcess {
    unsigned long id = 0;
    ScopedHandle handle;  // full access, SYNCHRONIZE included
};

// Starts a program as a new process and returns as soon as it exists.
// showState is a ShowWindow value for the program's first window.
StartedProcess startProgram(const std::wstring& program, const std::wstring& commandLine,
                            const std::wstring& currentFolder, int showState);

// True once the process has ended.
bool hasEnded(HANDLE process);

unsigned long exitCodeOf(HANDLE process);

}  // namespace platform
