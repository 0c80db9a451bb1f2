#pragma once
#include "platform/scoped_handle.h"

#include <string>

class Form1;

namespace logging {

// Waits, keeping the window responsive, until the started process has ended and closes
// its handle; then appends the completion line to c:\InstallationLog.txt and tells the
// user. A script that failed is raised as an error after its line is written.
void waitForProcess(Form1& form, platform::ScopedHandle process, const std::wstring& processName);

}  // namespace logging
