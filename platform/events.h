#pragma once
#include <windows.h>

namespace platform {

// Returns once the process has ended, handling the window's events meanwhile, at least
// once, without using the processor between them.
void waitHandlingEvents(HANDLE process);

// Delivers window messages until the program is asked to quit; returns the exit code.
int runMessageLoop();

}  // namespace platform
