#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace testing_support {

struct SeenBox {
    std::wstring title;
    std::wstring text;
    bool hasIcon = false;
    int buttons = 0;
};

// Waits for a message box of the given process, reads it, runs whileShown and then
// presses its OK button.
std::optional<SeenBox> answerNextBox(DWORD processId, std::chrono::milliseconds timeout,
                                     const std::function<void(const SeenBox&)>& whileShown = {});

// A message box that the process shows, or null.
HWND shownBox(DWORD processId);
// True while the process shows any message box.
bool isShowingBox(DWORD processId);

}  // namespace testing_support
