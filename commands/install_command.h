#pragma once

#include "commands/setup_window.h"

namespace commands {

// Starts the setup script for the marked option and waits for it (see waitForProcess).
void installSupportFiles(SetupWindow& window);

}  // namespace commands
