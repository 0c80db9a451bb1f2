#pragma once
#include <windows.h>

namespace session {

// Refuses the end of the Windows session while installs are in the stretch where it would cut a
// script off with no line in the log, and gives Windows the reason to show the user meanwhile.
// Holds nest: the first one registers the reason, the last one to go removes it.
class EndBlock {
public:
    void hold(HWND window);
    void let(HWND window);
    // The answer to WM_QUERYENDSESSION, whatever kind of end it asks about.
    bool allowsEnd() const { return holds_ == 0; }

private:
    int holds_ = 0;
};

}  // namespace session
