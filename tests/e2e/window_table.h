#pragma once
// The main window as its users are promised it, with the tests' own texts and not read from
// the program's own layout, so that a slip there shows.
#include "tests/support/texts.h"

#include <windows.h>

#include <array>

namespace expected {

inline constexpr int clientWidth = 567;
inline constexpr int clientHeight = 314;
inline constexpr COLORREF white = RGB(255, 255, 255);
inline constexpr COLORREF darkBlue = RGB(18, 80, 163);
inline constexpr COLORREF orange = RGB(255, 128, 0);

enum class Kind { option, button, label, image };

struct Control {
    const wchar_t* name;
    Kind kind;
    const wchar_t* caption;
    RECT box;        // pixels at 96 dpi: left, top, right, bottom
    int fontHeight;  // pixels at 96 dpi; 0: no font
    int weight;
};

constexpr RECT box(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

inline constexpr std::array<Control, 7> controls{{
    {L"Option1(1)", Kind::option, testing_support::option64Caption, box(408, 184, 145, 22), 19, 400},
    {L"Option1(0)", Kind::option, testing_support::option32Caption, box(408, 152, 145, 22), 19, 400},
    {L"cmdSetup(0)", Kind::button, testing_support::installCaption, box(448, 272, 105, 33), 19, 700},
    {L"cmdSetup(1)", Kind::button, testing_support::exitCaption, box(336, 272, 105, 33), 19, 700},
    {L"Label2", Kind::label, testing_support::label2Caption, box(204, 16, 349, 57), 19, 700},
    {L"Label1", Kind::label, testing_support::label1Caption, box(277, 120, 276, 20), 17, 700},
    {L"Image1", Kind::image, L"", box(0, 0, 164, clientHeight), 0, 0},
}};

inline const Control& option32 = controls[1];
inline const Control& option64 = controls[0];
inline const Control& install = controls[2];
inline const Control& exitButton = controls[3];
inline const Control& label2 = controls[4];
inline const Control& label1 = controls[5];
inline const Control& image1 = controls[6];

}  // namespace expected
