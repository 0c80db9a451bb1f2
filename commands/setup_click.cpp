#include "commands/setup_click.h"

#include "commands/exit_command.h"
#include "commands/install_command.h"
#include "platform/error.h"
#include "platform/message_box.h"
#include "window/form1.h"

#include <exception>
#include <new>

void cmdSetup_Click(Form1& form, short index)
{
    std::wstring description;
    try {
        if (index == 0) {
            commands::installSupportFiles(form);
        } else if (index == 1) {
            commands::exitProgram(form);
        }
        return;
    } catch (const platform::Error& error) {
        description = error.description();
    } catch (const std::bad_alloc&) {
        description = platform::systemDescription(ERROR_NOT_ENOUGH_MEMORY);
    } catch (const std::exception& error) {
        description = std::wstring(error.what(), error.what() + std::char_traits<char>::length(error.what()));
    }
    try {
        platform::showMessageBox(form.handle(), description + L"@Form1.cmdSetup_Click", MB_OK);
    } catch (const platform::Error&) {
        // The report itself failed: no way is left to tell the user.
    }
}
