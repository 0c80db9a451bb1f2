#include "commands/exit_command.h"

#include "platform/window_list.h"

namespace commands {

void exitProgram(SetupWindow& window)
{
    for (HWND other : platform::openProgramWindows(mainWindowClass)) {
        if (other != window.handle()) {
            platform::closeWindow(other);
        }
    }
    window.close();
}

}  // namespace commands
