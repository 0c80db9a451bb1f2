#pragma once
#include <windows.h>

#include <array>

// The main window's layout. Positions and sizes are in twips (1/1440 inch) from the
// top-left corner of the client area; 15 twips make one pixel at 96 dpi.
namespace layout {

inline constexpr wchar_t caption[] = L"إصلاح/تثبيت ملفات التشغيل";
inline constexpr int clientWidth = 8505;
inline constexpr int clientHeight = 4710;

enum class Font { none, regular1425, bold1425, bold1275 };

// Font sizes in hundredths of a point.
inline constexpr int fontSize1425 = 1425;
inline constexpr int fontSize1275 = 1275;
inline constexpr wchar_t fontFace[] = L"Arabic Transparent";

inline constexpr COLORREF white = RGB(255, 255, 255);
inline constexpr COLORREF darkBlue = RGB(18, 80, 163);

// Control ids; the two arrays are told apart by their index.
inline constexpr int option1Id = 100;   // Option1(index) is option1Id + index
inline constexpr int cmdSetupId = 200;  // cmdSetup(index) is cmdSetupId + index
inline constexpr int label2Id = 300;
inline constexpr int label1Id = 301;
inline constexpr int image1Id = 302;

inline constexpr int noTabIndex = -1;

struct Control {
    int id;
    const wchar_t* windowClass;
    const wchar_t* caption;
    int left, top, width, height;
    DWORD style;
    DWORD exStyle;
    Font font;
    int tabIndex;
};

inline constexpr DWORD rightToLeftText = WS_EX_RTLREADING | WS_EX_RIGHT;
inline constexpr DWORD optionStyle = BS_AUTORADIOBUTTON | BS_RIGHTBUTTON | BS_RIGHT | WS_TABSTOP;

// In the order of creation.
inline constexpr std::array<Control, 7> controls{{
    {option1Id + 1, L"BUTTON", L"نظام تشغيل 64 بت", 6120, 2760, 2175, 330, optionStyle, rightToLeftText,
     Font::regular1425, 4},
    {option1Id + 0, L"BUTTON", L"نظام تشغيل 32 بت", 6120, 2280, 2175, 330, optionStyle | WS_GROUP,
     rightToLeftText, Font::regular1425, 3},
    {cmdSetupId + 0, L"BUTTON", L"تحميل", 6720, 4080, 1575, 495, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0,
     Font::bold1425, 1},
    {cmdSetupId + 1, L"BUTTON", L"خروج", 5040, 4080, 1575, 495, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0,
     Font::bold1425, 0},
    {label2Id, L"STATIC",
     L"إصلاح أو إعادة تثبيت ملفات نظام التشغيل الذي يحتاجها برنامج الطرمزي للمخزون والمحاسبة", 3060, 240, 5235,
     855, SS_RIGHT | SS_NOPREFIX | WS_GROUP, rightToLeftText, Font::bold1425, 5},
    {label1Id, L"STATIC", L"حدد نظام التشغيل المراد تثبيت أو إصلاح ملفاته :", 4155, 1800, 4140, 300,
     SS_RIGHT | SS_NOPREFIX | WS_GROUP, rightToLeftText, Font::bold1275, 2},
    {image1Id, L"STATIC", L"", 0, 0, 2460, 4710, SS_BITMAP, 0, Font::none, noTabIndex},
}};

}  // namespace layout
