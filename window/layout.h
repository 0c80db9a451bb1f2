#pragma once
#include "commands/install_plan.h"

#include <windows.h>

#include <array>
#include <string_view>

// The main window's layout: each control whole, from its box to how its caption is drawn and
// may take more room. Positions and sizes are in twips (1/1440 inch) from the top-left corner
// of the client area; 15 twips make one pixel at 96 dpi.
namespace layout {

inline constexpr wchar_t caption[] = L"إصلاح/تثبيت ملفات التشغيل";
inline constexpr int clientWidth = 8505;
inline constexpr int clientHeight = 4710;
// The right-hand column of controls shares one right edge, 210 twips inside the client area's.
inline constexpr int columnRight = 8295;

inline constexpr wchar_t fontFace[] = L"Arabic Transparent";

inline constexpr COLORREF white = RGB(255, 255, 255);
inline constexpr COLORREF darkBlue = RGB(18, 80, 163);
// The system's colour for the text of buttons and labels.
inline constexpr COLORREF systemTextColour = CLR_INVALID;

// Control ids. Option1(index) is option1Id + index; cmdSetup(index) is installButtonId + index.
inline constexpr int option1Id = 100;
inline constexpr int installButtonId = 200;  // cmdSetup(0)
inline constexpr int exitButtonId = 201;     // cmdSetup(1)
inline constexpr int label2Id = 300;
inline constexpr int label1Id = 301;
inline constexpr int image1Id = 302;

inline constexpr int noTabIndex = -1;
inline constexpr int noControl = 0;

// A font of the face above: its size in hundredths of a point (0 for a control without a
// font) and its weight.
struct Font {
    int size = 0;
    int weight = FW_NORMAL;
};

// How the caption reaches the screen. Wine's labels and option buttons draw Arabic unshaped
// and left to right, so the program paints those captions itself.
enum class Drawing {
    bySystem,          // the control draws itself
    oneLine,           // painted on one line, flush right and centred in its height
    brokenIntoLines,   // painted flush right, broken between words to its width, from its top
    optionBesideMark,  // an option button: its mark at its right end, the caption painted beside it
};

// Where the face that the system gives needs more room than the box.
struct Growth {
    enum class Way {
        none,
        toTheLeft,  // one line: keeps its right edge, up to the right edge of limit
        downward,   // lines: keeps its width, down to the top of limit
    };
    Way way = Way::none;
    int limit = noControl;
    // When even all the room up to limit is too narrow: the font goes down to this size (0: it
    // keeps its size), and at that size the caption may then take a second line.
    int smallestSize = 0;
    bool secondLine = false;
};

struct Control {
    int id;
    const wchar_t* windowClass;
    const wchar_t* caption;
    // The box by its right edge, which the column shares.
    int right, top, width, height;
    DWORD style;
    DWORD exStyle;
    Font font;
    int tabIndex;
    Drawing drawing = Drawing::bySystem;
    Growth growth = {};
    COLORREF textColour = systemTextColour;
    // Moves down by as much as this control's second line takes.
    int belowSecondLineOf = noControl;

    constexpr int left() const { return right - width; }
};

inline constexpr DWORD rightToLeftText = WS_EX_RTLREADING | WS_EX_RIGHT;
inline constexpr DWORD optionStyle = BS_AUTORADIOBUTTON | BS_RIGHTBUTTON | BS_RIGHT | WS_TABSTOP;
inline constexpr DWORD labelStyle = SS_RIGHT | SS_NOPREFIX | WS_GROUP;
inline constexpr DWORD pushButtonStyle = BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;

inline constexpr Font regular1425{1425, FW_NORMAL};
inline constexpr Font bold1425{1425, FW_BOLD};
inline constexpr Font bold1275{1275, FW_BOLD};

inline constexpr Growth leftToTheStrip{Growth::Way::toTheLeft, image1Id};

// In the order of creation.
inline constexpr std::array<Control, 7> controls{{
    {.id = option1Id + commands::option64, .windowClass = L"BUTTON", .caption = L"نظام تشغيل 64 بت",
     .right = columnRight, .top = 2760, .width = 2175, .height = 330, .style = optionStyle, .exStyle = rightToLeftText,
     .font = regular1425, .tabIndex = 4, .drawing = Drawing::optionBesideMark, .growth = leftToTheStrip,
     .belowSecondLineOf = label1Id},
    {.id = option1Id + commands::option32, .windowClass = L"BUTTON", .caption = L"نظام تشغيل 32 بت",
     .right = columnRight, .top = 2280, .width = 2175, .height = 330, .style = optionStyle | WS_GROUP,
     .exStyle = rightToLeftText, .font = regular1425, .tabIndex = 3, .drawing = Drawing::optionBesideMark,
     .growth = leftToTheStrip, .belowSecondLineOf = label1Id},
    {.id = installButtonId, .windowClass = L"BUTTON", .caption = L"تحميل",
     .right = columnRight, .top = 4080, .width = 1575, .height = 495, .style = pushButtonStyle, .exStyle = 0,
     .font = bold1425, .tabIndex = 1},
    {.id = exitButtonId, .windowClass = L"BUTTON", .caption = L"خروج",
     .right = 6615, .top = 4080, .width = 1575, .height = 495, .style = pushButtonStyle, .exStyle = 0,
     .font = bold1425, .tabIndex = 0},
    {.id = label2Id, .windowClass = L"STATIC",
     .caption = L"إصلاح أو إعادة تثبيت ملفات نظام التشغيل الذي يحتاجها برنامج الطرمزي للمخزون والمحاسبة",
     .right = columnRight, .top = 240, .width = 5235, .height = 855, .style = labelStyle, .exStyle = rightToLeftText,
     .font = bold1425, .tabIndex = 5, .drawing = Drawing::brokenIntoLines,
     .growth = {Growth::Way::downward, label1Id}, .textColour = darkBlue},
    {.id = label1Id, .windowClass = L"STATIC", .caption = L"حدد نظام التشغيل المراد تثبيت أو إصلاح ملفاته :",
     .right = columnRight, .top = 1800, .width = 4140, .height = 300, .style = labelStyle, .exStyle = rightToLeftText,
     .font = bold1275, .tabIndex = 2, .drawing = Drawing::oneLine,
     .growth = {Growth::Way::toTheLeft, image1Id, 1000, true}},
    {.id = image1Id, .windowClass = L"STATIC", .caption = L"",
     .right = 2460, .top = 0, .width = 2460, .height = clientHeight, .style = SS_BITMAP, .exStyle = 0, .font = {},
     .tabIndex = noTabIndex},
}};

// A command button, which Enter presses while it has the focus.
constexpr bool isPushButton(const Control& item)
{
    return std::wstring_view(item.windowClass) == L"BUTTON" && (item.style & BS_TYPEMASK) == BS_PUSHBUTTON;
}

// The table's entry of the control with that id, or null.
constexpr const Control* find(int id)
{
    for (const Control& item : controls) {
        if (item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace layout
