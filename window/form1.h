#pragma once
#include "commands/setup_window.h"
#include "platform/owned.h"
#include "window/layout.h"
#include "window/page_colours.h"
#include "window/session_end_block.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

// The program's one window. The object outlives its window: an install that is still
// waiting when the window closes goes on using it.
class Form1 final : public commands::SetupWindow {
public:
    static constexpr const wchar_t* className = commands::mainWindowClass;

    Form1() = default;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    ~Form1();

    // Creates the window with its controls and shows it where the system places new windows.
    void create(HINSTANCE instance, int showCommand);

    HWND handle() const override { return window_; }
    std::wstring caption() const override;
    bool optionSelected(int index) const override;
    std::wstring optionCaption(int index) const override;
    void recordSetupProcessId(std::int32_t id) override { setupProcessId = id; }
    void close() override;
    void holdSessionEnd() override { sessionEnd_.hold(window_); }
    void letSessionEnd() override { sessionEnd_.let(window_); }

    // The process id of the script that the last install started.
    std::int32_t setupProcessId = 0;

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The controls' fonts and boxes and the banner for one dpi, in the table's order.
    struct Scaled {
        unsigned dpi = 96;
        std::array<platform::GdiObject<HFONT>, layout::controls.size()> fonts;
        std::array<RECT, layout::controls.size()> boxes{};
        platform::GdiObject<HBITMAP> banner;
    };

    void createControls();
    // Everything for the dpi is made first, and only then put in place, so that a failure
    // changes nothing.
    Scaled loadScaled(unsigned dpi) const;
    void applyScaled(Scaled scaled);
    void onDpiChanged(unsigned dpi, const RECT& suggested);
    void onColoursChanged();
    LRESULT onControlColour(HDC dc, HWND control);
    void onActivate(WPARAM wParam);
    HWND control(int id) const { return GetDlgItem(window_, id); }

    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    HWND focusToRestore_ = nullptr;
    std::wstring lastCaption_ = layout::caption;
    Scaled scaled_;
    session::EndBlock sessionEnd_;
    // Chosen again whenever the system's colours or theme change.
    page::Colours colours_;
};
