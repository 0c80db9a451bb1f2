#pragma once
#include "platform/owned.h"

#include <windows.h>

#include <string>
#include <utility>

namespace logging {

// What the wait needs of the window that started the install.
class CompletionWindow {
public:
    // The window, owner of the message boxes; null once it is closed.
    virtual HWND handle() const = 0;
    // Its caption now; once it is closed, the one it had last.
    virtual std::wstring caption() const = 0;
    // While at least one hold is on, ending the Windows session is refused: the script would be
    // cut off half done, with no line in the log.
    virtual void holdSessionEnd() = 0;
    virtual void letSessionEnd() = 0;

protected:
    ~CompletionWindow() = default;
};

// One install's hold on the end of the session, from just before its script starts until its
// line is written or has failed; given back once, at the latest when it goes out of scope.
class SessionEndHold {
public:
    explicit SessionEndHold(CompletionWindow& window) : window_(&window) { window.holdSessionEnd(); }
    SessionEndHold(SessionEndHold&& other) noexcept : window_(std::exchange(other.window_, nullptr)) {}
    SessionEndHold& operator=(SessionEndHold&&) = delete;
    ~SessionEndHold() { release(); }

    void release()
    {
        if (window_ != nullptr) {
            std::exchange(window_, nullptr)->letSessionEnd();
        }
    }

private:
    CompletionWindow* window_;
};

// Appends the completion line of the process, with the local time now, to the installation log.
void appendCompletionLine(const std::wstring& processName);

// Waits, keeping the window responsive, until the started process has ended and closes
// its handle; then appends the completion line to the installation log, gives the hold back
// and tells the user. A script that failed is raised as an error after its line is written;
// when the line can't be written, that error is raised and the failed script follows it.
void waitForProcess(const CompletionWindow& window, platform::ScopedHandle process, const std::wstring& processName,
                    SessionEndHold hold);

}  // namespace logging
