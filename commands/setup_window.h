#pragma once
#include "logging/completion_watcher.h"

#include <cstdint>
#include <string>

namespace commands {

// The class of the program's main windows, which the exit command closes.
inline constexpr wchar_t mainWindowClass[] = L"NorvasquelSetupForm1";

// What the two commands need of the main window.
class SetupWindow : public logging::CompletionWindow {
public:
    // Whether the option button Option1(index) is selected, and its caption.
    virtual bool optionSelected(int index) const = 0;
    virtual std::wstring optionCaption(int index) const = 0;
    // Keeps the process id of the script that the install started.
    virtual void recordSetupProcessId(std::int32_t id) = 0;
    virtual void close() = 0;

protected:
    ~SetupWindow() = default;
};

}  // namespace commands
