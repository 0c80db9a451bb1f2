#pragma once

namespace platform {

// Lets DLLs load only from the system folder, never from the program's own folder or
// the current one (a Downloads folder may hold planted DLLs), and makes a drive that
// is not ready an error instead of a system dialog.
void hardenProcess();

}  // namespace platform
