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

// Waits for a message box of the given process and answers it.
std::optional<SeenBox> answerNextBox(DWORD processId, std::chrono::milliseconds timeout,
                                     const std::function<void(const SeenBox&)>& whileShown = {});

// Reads the box, runs whileShown, presses its OK button and waits for it to close.
SeenBox answerBox(HWND box, std::chrono::milliseconds timeout,
                  const std::function<void(const SeenBox&)>& whileShown = {});

// A message box that the process shows, or null.
HWND shownBox(DWORD processId);
bool isShowingBox(DWORD processId);

}  // namespace testing_support
