// Starts the built program in folders of its own on drive C and drives it from outside,
// through its windows only, as a person would.
#include "platform/owned.h"
#include "tests/support/files.h"
#include "tests/support/message_boxes.h"
#include "tests/e2e/display.h"
#include "tests/support/running_tool.h"
#include "tests/support/texts.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <cctype>
#include <set>
#include <sstream>
#include <thread>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

std::wstring testName()
{
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return std::wstring(name.begin(), name.end());
}

bool isChecked(HWND option)
{
    return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The log has that many lines and the last one holds the description, in the ANSI code page
// (1252 in the test prefix: the letters become "?").
bool logHasLinesEndingWith(size_t lineCount, const std::wstring& description)
{
    const auto lines = logLines();
    return lines.size() == lineCount && lines.back().find(ansi(description)) != std::string::npos;
}

// The time at the end of a log line with each digit written as "9".
std::string timeShape(const std::string& line)
{
    std::string shape = line.substr(line.find(" completed on ") + 14);
    for (char& character : shape) {
        character = std::isdigit(static_cast<unsigned char>(character)) ? '9' : character;
    }
    return shape;
}

std::wstring userLocaleText(LCTYPE item)
{
    wchar_t text[16]{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, 16);
    return text;
}

// "dd/mm/yyyy hh:nn:ss" and the line break, with the user's date and time separators and each
// digit written as "9".
std::string userTimeShape()
{
    const std::wstring date = userLocaleText(LOCALE_SDATE);
    const std::wstring time = userLocaleText(LOCALE_STIME);
    return ansi(L"99" + date + L"99" + date + L"9999 99" + time + L"99" + time + L"99\r\n");
}

// The control's name as a screen reader reads it, through Active Accessibility.
std::wstring accessibleName(HWND control)
{
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return L"";
    }
    VARIANT self{};
    self.vt = VT_I4;  // CHILDID_SELF
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    accessible->Release();
    const std::wstring text = name != nullptr ? name : L"";
    SysFreeString(name);
    return text;
}

// Starts the tool and presses install: the 32-bit script runs and waits for its release. False
// if it did not run.
bool startAHeldInstall(RunningTool& tool)
{
    tool.writeScript(32, true);
    tool.start();
    click(tool.installButton);
    return waitForFile(tool.marker(L"ran32"));
}

}  // namespace

TEST(E2e, ControlsStylesFocusAndTabOrderFollowTheLayoutAt96Dpi)
{
    RunningTool tool(testName());
    tool.start();
    ASSERT_NE(tool.window, nullptr);
    const HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
    ReleaseDC(nullptr, screen);
    RECT client{};
    GetClientRect(tool.window, &client);
    EXPECT_EQ(client.right, expected::clientWidth);
    EXPECT_EQ(client.bottom, expected::clientHeight);
    const DWORD formStyle = GetWindowLongW(tool.window, GWL_STYLE);
    for (const DWORD bit : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_THICKFRAME}) {
        EXPECT_EQ(formStyle & bit, bit) << std::hex << bit;
    }

    const DWORD formExStyle = GetWindowLongW(tool.window, GWL_EXSTYLE);
    EXPECT_TRUE(formExStyle & WS_EX_RTLREADING) << "the window reads right to left";
    EXPECT_FALSE(formExStyle & WS_EX_LAYOUTRTL) << "without mirroring its layout";
    EXPECT_EQ(textOf(tool.window), windowCaption);

    const int stripEdge = expected::image1.box.right;
    for (const expected::Control& item : expected::controls) {
        SCOPED_TRACE(testing::PrintToString(item.name));
        const HWND control = find(tool, item);
        ASSERT_NE(control, nullptr);
        // The boxes are the least each control has: a one-line caption may grow to the left up to
        // the picture strip, and captions downward, none over another control.
        const RECT rect = boxIn(tool.window, control);
        EXPECT_EQ(rect.top, item.box.top);
        EXPECT_EQ(rect.right, item.box.right);
        if (item.kind == expected::Kind::option || &item == &expected::label1) {
            EXPECT_LE(rect.left, item.box.left);
            EXPECT_GE(rect.left, stripEdge);
        } else {
            EXPECT_EQ(rect.left, item.box.left);
        }
        if (item.kind == expected::Kind::option || item.kind == expected::Kind::label) {
            EXPECT_GE(rect.bottom, item.box.bottom);
        } else {
            EXPECT_EQ(rect.bottom, item.box.bottom);
        }
        for (const expected::Control& other : expected::controls) {
            RECT overlap{};
            const RECT otherRect = boxIn(tool.window, find(tool, other));
            EXPECT_TRUE(&other == &item || !IntersectRect(&overlap, &rect, &otherRect)) << "overlaps " << other.name;
        }
        if (*item.caption != L'\0') {
            EXPECT_EQ(accessibleName(control), item.caption) << "the name a screen reader reads";
        }
        const DWORD style = GetWindowLongW(control, GWL_STYLE);
        const bool rightToLeft = GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_RTLREADING;
        switch (item.kind) {
        case expected::Kind::option:
            EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
            EXPECT_TRUE((style & BS_RIGHTBUTTON) && rightToLeft);
            break;
        case expected::Kind::label:
            EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
            EXPECT_TRUE(rightToLeft);
            break;
        case expected::Kind::button:
            EXPECT_TRUE((style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) << "a push button";
            break;
        case expected::Kind::image:
            EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_BITMAP));
            break;
        }
    }

    const HWND exitButton = tool.child(L"Button", expected::exitButton.caption);
    const HWND install = tool.child(L"Button", expected::install.caption);
    const HWND option32 = tool.child(L"Button", expected::option32.caption);
    const HWND option64 = tool.child(L"Button", expected::option64.caption);
    ASSERT_TRUE(exitButton && install && option32 && option64);
    EXPECT_TRUE(isChecked(option32));
    EXPECT_FALSE(isChecked(option64));
    EXPECT_EQ(tool.focus(), exitButton) << "the focus starts on the exit button";
    std::vector<HWND> tabStops;
    for (HWND control : childrenOf(tool.window)) {
        if (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) {
            tabStops.push_back(control);
        }
    }
    EXPECT_EQ(tabStops, (std::vector<HWND>{exitButton, install, option32, option64}));
    EXPECT_EQ(GetNextDlgTabItem(tool.window, exitButton, FALSE), install);

    // No default button: with the focus on an option, Enter presses neither button.
    click(option32);
    ASSERT_TRUE(tool.pressEnterOn(option32));
    EXPECT_FALSE(tool.process.endsWithin(500ms)) << "Enter pressed the exit button";
    EXPECT_FALSE(isShowingBox(tool.process.id())) << "Enter pressed the install button";
    // A button looks like the default one only while it has the focus.
    for (const HWND button : {exitButton, install}) {
        EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
    }

    // No cancel button: Esc changes nothing.
    PostMessageW(option32, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(option32, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    EXPECT_FALSE(tool.process.endsWithin(500ms)) << "Esc pressed the exit button";
    EXPECT_FALSE(isShowingBox(tool.process.id())) << "Esc pressed the install button";
    EXPECT_EQ(tool.focus(), option32);
}

TEST(E2e, ControlsUseTheArabicFacesOfTheLayout)
{
    RunningTool tool(testName());
    tool.start();
    ASSERT_TRUE(tool.writeFontsFromInside()) << "the hook DLL did not run inside the program";
    std::set<std::string> fonts;
    for (const expected::Control& item : expected::controls) {
        if (item.fontHeight != 0) {
            fonts.insert(std::to_string(GetDlgCtrlID(find(tool, item))) + " Arabic Transparent|-" +
                         std::to_string(item.fontHeight) + " " + std::to_string(item.weight) + " 178");
        }
    }
    std::set<std::string> seen;
    std::istringstream lines(readBytes(fontsFile));
    for (std::string line; std::getline(lines, line);) {
        seen.insert(line.substr(0, line.find('\r')));
    }
    EXPECT_EQ(seen, fonts);
}

TEST(E2e, EachOptionRunsItsScriptLogsOneLineAndReportsSuccess)
{
    RunningTool tool(testName());
    tool.writeScript(32, false);
    tool.writeScript(64, false);
    tool.start();
    ASSERT_NE(tool.installButton, nullptr);
    click(tool.installButton);
    // While the box is up, a file of the test's own is flushed: tests/flushed_before_box.sh traces
    // this test's system calls and finds the log's flush before this one.
    auto box = answerNextBox(tool.process.id(), 30s, [](const SeenBox&) {
        const platform::ScopedHandle seen(CreateFileW((std::wstring(e2eRoot) + L"\\success box seen").c_str(),
                                                      GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        EXPECT_TRUE(FlushFileBuffers(seen.get()));
    });
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, windowCaption);
    EXPECT_EQ(box->text, successText);
    EXPECT_EQ(readBytes(tool.marker(L"ran32")), utf8(tool.folder)) << "the script starts in the program's folder";
    EXPECT_FALSE(exists(tool.marker(L"ran64")));
    EXPECT_TRUE(logHasLinesEndingWith(1, description32)) << readBytes(logPath);
    EXPECT_EQ(timeShape(logLines()[0]), userTimeShape());

    // The window gives the focus back to the install button, where Enter presses it.
    removeFile(tool.marker(L"ran32"));
    ASSERT_TRUE(tool.pressEnterOn(tool.installButton));
    box = answerNextBox(tool.process.id(), 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, successText);
    EXPECT_TRUE(exists(tool.marker(L"ran32")));
    EXPECT_TRUE(logHasLinesEndingWith(2, description32)) << readBytes(logPath);

    click(tool.child(L"Button", expected::option64.caption));
    click(tool.installButton);
    box = answerNextBox(tool.process.id(), 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, successText);
    EXPECT_TRUE(isChecked(tool.child(L"Button", expected::option64.caption)));
    EXPECT_FALSE(isChecked(tool.child(L"Button", expected::option32.caption)));
    EXPECT_TRUE(exists(tool.marker(L"ran64")));
    EXPECT_TRUE(logHasLinesEndingWith(3, description64)) << readBytes(logPath);
}

TEST(E2e, MissingScriptGivesTheSystemsErrorAndNoLog)
{
    RunningTool tool(testName());
    tool.start();
    click(tool.installButton);
    const auto box = answerNextBox(tool.process.id(), 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, errorText(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(exists(logPath));
    EXPECT_FALSE(tool.process.endsWithin(0ms)) << "the program goes on after the error";
}

TEST(E2e, InstallDuringAWaitFinishesFirstAndTheWindowStaysResponsive)
{
    RunningTool tool(testName());
    ASSERT_TRUE(startAHeldInstall(tool));
    tool.writeScript(64, false);
    const auto answer = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR result = 0;
        EXPECT_NE(SendMessageTimeoutW(tool.window, message, wParam, lParam, SMTO_BLOCK, 2000, &result), 0);
        return result;
    };
    answer(WM_NULL, 0, 0);
    // Signing out or shutting down would cut the script off with no line: both are refused.
    EXPECT_EQ(answer(WM_QUERYENDSESSION, 0, static_cast<LPARAM>(ENDSESSION_LOGOFF)), FALSE);
    EXPECT_EQ(answer(WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), FALSE);
    answer(WM_ENDSESSION, FALSE, 0);
    click(tool.child(L"Button", expected::option64.caption));
    click(tool.installButton);
    bool onlyInnerLine = false;
    auto box = answerNextBox(tool.process.id(), 30s,
                             [&](const SeenBox&) { onlyInnerLine = logHasLinesEndingWith(1, description64); });
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, successText);
    EXPECT_TRUE(onlyInnerLine) << "the nested install reports before the outer one logs";

    writeBytes(tool.marker(L"release32"), "");
    box = answerNextBox(tool.process.id(), 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, successText);
    EXPECT_TRUE(logHasLinesEndingWith(2, description32)) << readBytes(logPath);
    EXPECT_EQ(answer(WM_QUERYENDSESSION, 0, 0), TRUE) << "with no install running, the session may end";
}

TEST(E2e, ExitButtonEnterAtStartAndCloseBoxEndTheProgramWithoutABox)
{
    for (const std::wstring way : {L"button", L"Enter", L"close box"}) {
        RunningTool tool(testName() + L" " + way);
        tool.start();
        if (way == L"button") {
            click(tool.exitButton);
        } else if (way == L"Enter") {
            ASSERT_TRUE(tool.pressEnterOn(tool.exitButton));
        } else {
            PostMessageW(tool.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        ASSERT_TRUE(tool.process.endsWithin(10s)) << utf8(way) << ": a box would keep the program running";
        EXPECT_EQ(tool.process.exitCode(), 0u);
        EXPECT_FALSE(exists(logPath));
    }
}

TEST(E2e, ClosingDuringAWaitLetsTheScriptFinishLogAndReport)
{
    RunningTool tool(testName());
    ASSERT_TRUE(startAHeldInstall(tool));
    PostMessageW(tool.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(waitForWindowToClose(tool.window));
    EXPECT_FALSE(tool.process.endsWithin(0ms));
    EXPECT_FALSE(exists(logPath));

    writeBytes(tool.marker(L"release32"), "");
    const auto box = answerNextBox(tool.process.id(), 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, windowCaption);
    EXPECT_EQ(box->text, successText);
    EXPECT_TRUE(logHasLinesEndingWith(1, description32));
    ASSERT_TRUE(tool.process.endsWithin(10s));
    EXPECT_EQ(tool.process.exitCode(), 0u);
}

TEST(E2e, ClosingDuringTwoNestedWaitsLogsBothAndThenEnds)
{
    RunningTool tool(testName());
    ASSERT_TRUE(startAHeldInstall(tool));
    tool.writeScript(64, true);
    click(tool.child(L"Button", expected::option64.caption));
    click(tool.installButton);
    ASSERT_TRUE(waitForFile(tool.marker(L"ran64")));
    click(tool.exitButton);
    EXPECT_TRUE(waitForWindowToClose(tool.window));

    writeBytes(tool.marker(L"release32"), "");
    writeBytes(tool.marker(L"release64"), "");
    for (int box = 0; box < 2; ++box) {
        EXPECT_TRUE(answerNextBox(tool.process.id(), 30s).has_value()) << "box " << box;
    }
    const std::vector<std::string> lines = logLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(ansi(description64)), std::string::npos) << "the nested install's line first";
    EXPECT_NE(lines[1].find(ansi(description32)), std::string::npos);
    ASSERT_TRUE(tool.process.endsWithin(10s));
    EXPECT_EQ(tool.process.exitCode(), 0u);
}

TEST(E2e, FolderNamesWithBlanksAmpersandParenthesesArabicOrAPercentSign)
{
    // Unquoted, "C:\norvasquel e2e\..." would run C:\norvasquel.exe with the rest as arguments;
    // this copy of the helper then ends with code 2 and the script never leaves its marker.
    struct Decoy {
        const wchar_t* path = L"C:\\norvasquel.exe";
        ~Decoy() { removeFile(path); }
    } decoy;
    ASSERT_TRUE(CopyFileW((ownFolder() + L"\\script_helper.exe").c_str(), decoy.path, FALSE));
    for (const std::wstring name : {L"A & B (x86) برامج", L"decoy test", L"100% ready"}) {
        SCOPED_TRACE(testing::PrintToString(name));
        RunningTool tool(name);
        tool.writeScript(64, false);
        tool.start();
        click(tool.child(L"Button", expected::option64.caption));
        click(tool.installButton);
        const auto box = answerNextBox(tool.process.id(), 30s);
        ASSERT_TRUE(box);
        if (name.find(L'%') == std::wstring::npos) {
            EXPECT_EQ(box->text, successText);
            EXPECT_TRUE(exists(tool.marker(L"ran64")));
            EXPECT_TRUE(logHasLinesEndingWith(1, description64));
        } else {
            EXPECT_TRUE(box->text.ends_with(errorSource)) << "refused: the interpreter would expand %";
            std::this_thread::sleep_for(500ms);
            EXPECT_FALSE(exists(tool.marker(L"ran64")));
            EXPECT_FALSE(exists(logPath));
        }
    }
}
