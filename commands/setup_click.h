#pragma once

#include "commands/setup_window.h"

// The one handler of both command buttons: 0 installs, 1 exits, any other index does
// nothing. Every error of either command ends here, in a message box.
void cmdSetup_Click(commands::SetupWindow& window, short index);
