#include "logging/completion_watcher.h"

#include "logging/installation_log.h"
#include "logging/log_line.h"
#include "logging/text_file_writer.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/events.h"
#include "platform/message_box.h"
#include "platform/process.h"

namespace logging {

namespace {

// Installers report a success that needs a restart with 3010 (ERROR_SUCCESS_REBOOT_REQUIRED)
// or 1641 (ERROR_SUCCESS_REBOOT_INITIATED).
bool isSuccess(unsigned long exitCode)
{
    return exitCode == 0 || exitCode == 3010 || exitCode == 1641;
}

platform::Error failedScript(unsigned long exitCode)
{
    return platform::Error(exitCode, L"انتهت عملية التثبيت برمز الخطأ " + std::to_wstring(exitCode));
}

}  // namespace

void appendCompletionLine(const std::wstring& processName)
{
    const std::wstring time =
        formatLogTime(platform::localNow(), platform::dateSeparator(), platform::timeSeparator());
    std::wstring logFolder = installationLogFolder;
    std::wstring logName = installationLogName;
    writeFileData(completionLine(processName, time), L"Append", logFolder, logName);
}

void waitForProcess(const CompletionWindow& window, platform::ScopedHandle process, const std::wstring& processName,
                    SessionEndHold hold)
{
    platform::waitHandlingEvents(process.get());
    const unsigned long exitCode = platform::exitCodeOf(process.get());
    process = platform::ScopedHandle();

    try {
        appendCompletionLine(processName);
    } catch (platform::Error& unwritten) {
        // The log's failure is told first; a script that failed must still be told after it.
        if (!isSuccess(exitCode)) {
            unwritten.followWith(failedScript(exitCode));
        }
        throw;
    }
    // The boxes that follow may wait for the user as long as they like; they hold nothing up.
    hold.release();
    if (!isSuccess(exitCode)) {
        throw failedScript(exitCode);
    }
    const std::wstring title = window.caption();
    platform::showMessageBox(window.handle(), L"تمت عملية التثبيت بنجاح..", MB_OK | MB_ICONINFORMATION, title);
}

}  // namespace logging
