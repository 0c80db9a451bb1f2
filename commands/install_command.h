#pragma once

class Form1;

namespace commands {

// Starts the setup script for the marked option and waits for it (see waitForProcess).
void installSupportFiles(Form1& form);

}  // namespace commands
