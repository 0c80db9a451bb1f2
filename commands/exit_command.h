#pragma once

#include "commands/setup_window.h"

namespace commands {

// Closes the program's other windows of the main window's class, then the main window.
void exitProgram(SetupWindow& window);

}  // namespace commands
