#pragma once
#include "tests/support/message_boxes.h"
#include "tests/support/window_queries.h"

#include <windows.h>

#include <chrono>
#include <string>

// The one way that the tests, the benchmark and the demonstration drive the tool from another
// process, as a person would; its message boxes are read and answered with message_boxes.h.
namespace testing_support {

// The program as the build leaves it: in bin, beside the folder of whatever drives it.
std::wstring builtProgram();

// Makes the application folder with its Components folder and copies the program into it.
// Returns the copy's path, or an empty one if the program could not be copied.
std::wstring layOutApplicationFolder(const std::wstring& folder, const std::wstring& program);

// Presses the button as a click would, without waiting for it to be handled.
inline void click(HWND button)
{
    PostMessageW(button, BM_CLICK, 0, 0);
}

// The tool's process, its window and the window's two buttons, each found by its caption.
struct DrivenTool {
    // Starts the program from the folder (the driver's when empty), waits for its window, then
    // for its first paint, and finds its buttons; the window stays null if the program did not
    // start or its window did not come in time.
    void start(const std::wstring& program, const std::wstring& folder, std::chrono::milliseconds timeout);
    // Takes the window that the driver found its own way, and finds its buttons.
    void takeWindow(HWND found);
    // The window's child of that class (any letter case) and caption, or null.
    HWND child(const wchar_t* windowClass, const std::wstring& caption) const;

    StartedProcess process;
    HWND window = nullptr;
    HWND installButton = nullptr;
    HWND exitButton = nullptr;
};

}  // namespace testing_support
