#include "commands/setup_click.h"

#include "commands/exit_command.h"
#include "commands/install_command.h"
#include "platform/error.h"
#include "platform/message_box.h"

#include <exception>
#include <new>
#include <vector>

namespace {

constexpr wchar_t location[] = L"@Form1.cmdSetup_Click";

// The descriptions of the exception being handled, one a box, in the order they are told.
// Out of memory is passed on as it is.
std::vector<std::wstring> currentDescriptions()
{
    try {
        throw;
    } catch (const platform::Error& error) {
        std::vector<std::wstring> descriptions;
        for (const platform::Error* told = &error; told != nullptr; told = told->next()) {
            descriptions.push_back(told->description());
        }
        return descriptions;
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& error) {
        const char* what = error.what();
        return {std::wstring(what, what + std::char_traits<char>::length(what))};
    } catch (...) {
        return {platform::systemDescription(ERROR_INTERNAL_ERROR)};
    }
}

// Called while an exception is handled; nothing leaves it, as the window's code called it.
void reportCurrentError(HWND owner) noexcept
{
    try {
        for (const std::wstring& description : currentDescriptions()) {
            platform::showMessageBox(owner, description + location, MB_OK);
        }
    } catch (const std::bad_alloc&) {
        platform::showOutOfMemoryBox(owner, location);
    } catch (...) {
        // The report itself failed: no way is left to tell the user.
    }
}

}  // namespace

void cmdSetup_Click(commands::SetupWindow& window, short index)
{
    try {
        if (index == 0) {
            commands::installSupportFiles(window);
        } else if (index == 1) {
            commands::exitProgram(window);
        }
    } catch (...) {
        reportCurrentError(window.handle());
    }
}
