#pragma once
#include <windows.h>

namespace platform {

// Handles every pending window message, keyboard navigation included, then returns.
// Click handlers may run nested inside it. A quit request met here is kept for the
// program's message loop instead of being lost.
void processPendingEvents();

// Sleeps until the process ends or window input arrives. It may also return early;
// callers test for themselves what happened.
void waitForProcessOrInput(HANDLE process);

// Delivers window messages until the program is asked to quit; returns the exit code.
int runMessageLoop();

}  // namespace platform
