#pragma once
#include "platform/owned.h"

#include <windows.h>

#include <string>

namespace logging {

// What the wait needs of the window that started the install.
class CompletionWindow {
public:
    // The window, owner of the message boxes; null once it is closed.
    virtual HWND handle() const = 0;
    // Its caption now; once it is closed, the one it had last.
    virtual std::wstring caption() const = 0;

protected:
    ~CompletionWindow() = default;
};

// Appends the completion line of the process, with the local time now, to the installation log.
void appendCompletionLine(const std::wstring& processName);

// Waits, keeping the window responsive, until the started process has ended and closes
// its handle; then appends the completion line to the installation log and tells the
// user. A script that failed is raised as an error after its line is written; when the line
// can't be written, that error is raised and the failed script follows it.
void waitForProcess(const CompletionWindow& window, platform::ScopedHandle process, const std::wstring& processName);

}  // namespace logging
