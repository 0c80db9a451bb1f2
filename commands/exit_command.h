#pragma once

class Form1;

namespace commands {

// Closes every open window of the program, the main window last.
void exitProgram(Form1& form);

}  // namespace commands
