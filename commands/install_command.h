#pragma once

#include "commands/setup_window.h"
#include "platform/process.h"

namespace commands {

// Starts the marked option's setup script, from the application folder, through the interpreter.
platform::StartedProcess startSetupScript(int marked);

// Starts the setup script for the marked option and waits for it (see waitForProcess).
void installSupportFiles(SetupWindow& window);

}  // namespace commands
