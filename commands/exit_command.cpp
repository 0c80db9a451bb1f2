#include "commands/exit_command.h"

#include "platform/window_list.h"
#include "window/form1.h"

namespace commands {

void exitProgram(Form1& form)
{
    for (HWND window : platform::openProgramWindows(Form1::className)) {
        if (window != form.handle()) {
            platform::closeWindow(window);
        }
    }
    form.close();
}

}  // namespace commands
