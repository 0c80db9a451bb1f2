#pragma once

namespace platform {

// Lets DLLs load only from the system folder, never from the program's own folder or
// the current one (a Downloads folder may hold planted DLLs), and makes a drive that
// is not ready an error instead of a system dialog.
void hardenProcess();

// Loads the common controls late, through that restricted search; the manifest selects
// version 6 (visual styles) from the system's side-by-side store.
void initCommonControls();

}  // namespace platform
