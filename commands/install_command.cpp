#include "commands/install_command.h"

#include "commands/install_plan.h"
#include "logging/completion_watcher.h"
#include "logging/text_file_writer.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/folders.h"

namespace commands {

namespace {

void refuseUnsafeFolder(const std::wstring& folder)
{
    if (!isSafeForInterpreter(folder)) {
        throw platform::Error(ERROR_INVALID_NAME,
                              L"لا يمكن تشغيل ملف التثبيت من مجلد يحتوي اسمه على العلامة %، "
                              L"انقل البرنامج إلى مجلد آخر ثم أعد المحاولة: " + folder);
    }
}

// The interpreter would start even for a missing script; report it as Windows would.
void requireScriptFile(const std::wstring& path)
{
    if (!platform::namesFile(path)) {
        platform::raiseSystemError(ERROR_FILE_NOT_FOUND);
    }
}

}  // namespace

platform::StartedProcess startSetupScript(int marked)
{
    const std::wstring folder = platform::applicationFolder();
    const std::wstring script = logging::joinedPath(folder, std::wstring(scriptFor(marked)));
    refuseUnsafeFolder(folder);
    requireScriptFile(script);
    return platform::startProgram(logging::joinedPath(platform::systemFolder(), interpreter),
                                  interpreterCommandLine(script), folder, SW_SHOWNORMAL);
}

void installSupportFiles(SetupWindow& window)
{
    const int marked = window.optionSelected(option32) ? option32 : option64;
    logging::SessionEndHold hold(window);
    platform::StartedProcess started = startSetupScript(marked);
    window.recordSetupProcessId(static_cast<std::int32_t>(started.id));
    logging::waitForProcess(window, std::move(started.handle), processDescription(window.optionCaption(marked)),
                            std::move(hold));
}

}  // namespace commands
