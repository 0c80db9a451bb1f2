#pragma once

#include "commands/setup_window.h"

namespace commands {

// Closes every open window of the program, the main window last.
void exitProgram(SetupWindow& window);

}  // namespace commands
