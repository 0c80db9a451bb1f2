#pragma once
#include <windows.h>

namespace platform {

// Handles every pending window message, keyboard navigation included, then returns.
// Click handlers may run nested inside it. A quit request met here is kept for the
// program's message loop instead of being lost.
void processPendingEvents();

// Returns once the process has ended, handling the window's events meanwhile, at least
// once, without using the processor between them.
void waitHandlingEvents(HANDLE process);

// Delivers window messages until the program is asked to quit; returns the exit code.
int runMessageLoop();

}  // namespace platform
