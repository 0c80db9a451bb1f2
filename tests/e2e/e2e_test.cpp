// Starts the built program in folders of its own on drive C and drives it from outside,
// through its windows only, as a person would.
#include "platform/error.h"
#include "tests/support/files.h"
#include "tests/support/message_boxes.h"
#include "tests/support/running_tool.h"
#include "tests/support/texts.h"
#include "window/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <thread>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

const std::wstring option32Caption = L"نظام تشغيل 32 بت";
const std::wstring option64Caption = L"نظام تشغيل 64 بت";

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
    EXPECT_EQ(client.right, 567);
    EXPECT_EQ(client.bottom, 314);
    const DWORD formStyle = GetWindowLongW(tool.window, GWL_STYLE);
    for (const DWORD bit : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_THICKFRAME}) {
        EXPECT_EQ(formStyle & bit, bit) << std::hex << bit;
    }

    for (const layout::Control& item : layout::controls) {
        SCOPED_TRACE(item.id);
        const HWND control = GetDlgItem(tool.window, item.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(lstrcmpiW(classOf(control).c_str(), item.windowClass), 0);
        EXPECT_EQ(textOf(control), item.caption);
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, tool.window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.top, item.top / 15);
        EXPECT_EQ(rect.bottom - rect.top, item.height / 15);
        EXPECT_EQ(rect.right, (item.left + item.width) / 15);
        if (item.id == layout::label1Id) {
            EXPECT_GE(rect.right - rect.left, item.width / 15) << "Label1 may only grow to the left";
        } else {
            EXPECT_EQ(rect.left, item.left / 15);
        }
        const DWORD style = GetWindowLongW(control, GWL_STYLE);
        const bool rightToLeft = GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_RTLREADING;
        if (item.id == layout::option1Id || item.id == layout::option1Id + 1) {
            EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
            EXPECT_TRUE((style & BS_RIGHTBUTTON) && rightToLeft);
        } else if (item.id == layout::label1Id || item.id == layout::label2Id) {
            EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
            EXPECT_TRUE(rightToLeft);
        } else if (item.id != layout::image1Id) {
            EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON)) << "not a default push button";
        }
    }

    const HWND exitButton = tool.child(L"Button", exitCaption);
    const HWND install = tool.child(L"Button", installCaption);
    const HWND option32 = tool.child(L"Button", option32Caption);
    const HWND option64 = tool.child(L"Button", option64Caption);
    ASSERT_TRUE(exitButton && install && option32 && option64);
    EXPECT_TRUE(isChecked(option32));
    EXPECT_FALSE(isChecked(option64));
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(GetGUIThreadInfo(tool.process.dwThreadId, &thread));
    EXPECT_EQ(thread.hwndFocus, exitButton) << "the focus starts on the exit button";
    std::vector<HWND> tabStops;
    for (HWND control : childrenOf(tool.window)) {
        if (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) {
            tabStops.push_back(control);
        }
    }
    EXPECT_EQ(tabStops, (std::vector<HWND>{exitButton, install, option32, option64}));
    EXPECT_EQ(GetNextDlgTabItem(tool.window, exitButton, FALSE), install);
}

TEST(E2e, ControlsUseTheArabicFacesOfTheLayout)
{
    RunningTool tool(testName());
    tool.start();
    ASSERT_TRUE(tool.writeFontsFromInside()) << "the hook DLL did not run inside the program";
    std::set<std::string> expected;
    for (const layout::Control& item : layout::controls) {
        if (item.font != layout::Font::none) {
            expected.insert(std::to_string(item.id) + " Arabic Transparent|" +
                            (item.font == layout::Font::bold1275 ? "-17" : "-19") +
                            (item.font == layout::Font::regular1425 ? " 400" : " 700") + " 178");
        }
    }
    std::set<std::string> seen;
    std::istringstream lines(readBytes(fontsFile));
    for (std::string line; std::getline(lines, line);) {
        seen.insert(line.substr(0, line.find('\r')));
    }
    EXPECT_EQ(seen, expected);
}

TEST(E2e, EachOptionRunsItsScriptLogsOneLineAndReportsSuccess)
{
    RunningTool tool(testName());
    tool.writeScript(32, false);
    tool.writeScript(64, false);
    tool.start();
    const HWND install = tool.child(L"Button", installCaption);
    ASSERT_NE(install, nullptr);
    click(install);
    auto box = answerNextBox(tool.process.dwProcessId, 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, layout::caption);
    EXPECT_EQ(box->text, successText);
    EXPECT_TRUE(exists(tool.marker(L"ran32")));
    EXPECT_FALSE(exists(tool.marker(L"ran64")));
    EXPECT_TRUE(logHasLinesEndingWith(1, description32)) << readBytes(logPath);

    click(tool.child(L"Button", option64Caption));
    click(install);
    box = answerNextBox(tool.process.dwProcessId, 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, successText);
    EXPECT_TRUE(isChecked(tool.child(L"Button", option64Caption)));
    EXPECT_FALSE(isChecked(tool.child(L"Button", option32Caption)));
    EXPECT_TRUE(exists(tool.marker(L"ran64")));
    EXPECT_TRUE(logHasLinesEndingWith(2, description64)) << readBytes(logPath);
}

TEST(E2e, MissingScriptGivesTheSystemsErrorAndNoLog)
{
    RunningTool tool(testName());
    tool.start();
    click(tool.child(L"Button", installCaption));
    const auto box = answerNextBox(tool.process.dwProcessId, 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, platform::systemDescription(ERROR_FILE_NOT_FOUND) + errorSource);
    EXPECT_FALSE(exists(logPath));
    EXPECT_FALSE(tool.endsWithin(0ms)) << "the program goes on after the error";
}

TEST(E2e, InstallDuringAWaitFinishesFirstAndTheWindowStaysResponsive)
{
    RunningTool tool(testName());
    tool.writeScript(32, true);
    tool.writeScript(64, false);
    tool.start();
    const HWND install = tool.child(L"Button", installCaption);
    click(install);
    ASSERT_TRUE(waitForFile(tool.marker(L"ran32")));
    EXPECT_NE(SendMessageTimeoutW(tool.window, WM_NULL, 0, 0, SMTO_BLOCK, 2000, nullptr), 0);
    click(tool.child(L"Button", option64Caption));
    click(install);
    bool onlyInnerLine = false;
    auto box = answerNextBox(tool.process.dwProcessId, 30s,
                             [&](const SeenBox&) { onlyInnerLine = logHasLinesEndingWith(1, description64); });
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, successText);
    EXPECT_TRUE(onlyInnerLine) << "the nested install reports before the outer one logs";

    writeBytes(tool.marker(L"release32"), "");
    box = answerNextBox(tool.process.dwProcessId, 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, successText);
    EXPECT_TRUE(logHasLinesEndingWith(2, description32)) << readBytes(logPath);
}

TEST(E2e, ExitButtonAndCloseBoxEndTheProgramWithoutABox)
{
    for (const bool byButton : {true, false}) {
        RunningTool tool(testName() + (byButton ? L" button" : L" close box"));
        tool.start();
        if (byButton) {
            click(tool.child(L"Button", exitCaption));
        } else {
            PostMessageW(tool.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        ASSERT_TRUE(tool.endsWithin(10s)) << byButton << ": a box would keep the program running";
        EXPECT_EQ(tool.exitCode(), 0u);
        EXPECT_FALSE(exists(logPath));
    }
}

TEST(E2e, ClosingDuringAWaitLetsTheScriptFinishLogAndReport)
{
    RunningTool tool(testName());
    tool.writeScript(32, true);
    tool.start();
    click(tool.child(L"Button", installCaption));
    ASSERT_TRUE(waitForFile(tool.marker(L"ran32")));
    PostMessageW(tool.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    for (int tries = 0; tries < 250 && IsWindow(tool.window); ++tries) {
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_FALSE(IsWindow(tool.window));
    EXPECT_FALSE(tool.endsWithin(0ms));
    EXPECT_FALSE(exists(logPath));

    writeBytes(tool.marker(L"release32"), "");
    const auto box = answerNextBox(tool.process.dwProcessId, 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, layout::caption);
    EXPECT_EQ(box->text, successText);
    EXPECT_TRUE(logHasLinesEndingWith(1, description32));
    ASSERT_TRUE(tool.endsWithin(10s));
    EXPECT_EQ(tool.exitCode(), 0u);
}

TEST(E2e, ClosingDuringTwoNestedWaitsLogsBothAndThenEnds)
{
    RunningTool tool(testName());
    tool.writeScript(32, true);
    tool.writeScript(64, true);
    tool.start();
    click(tool.child(L"Button", installCaption));
    ASSERT_TRUE(waitForFile(tool.marker(L"ran32")));
    click(tool.child(L"Button", option64Caption));
    click(tool.child(L"Button", installCaption));
    ASSERT_TRUE(waitForFile(tool.marker(L"ran64")));
    click(tool.child(L"Button", exitCaption));
    for (int tries = 0; tries < 250 && IsWindow(tool.window); ++tries) {
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_FALSE(IsWindow(tool.window));

    writeBytes(tool.marker(L"release32"), "");
    writeBytes(tool.marker(L"release64"), "");
    for (int box = 0; box < 2; ++box) {
        EXPECT_TRUE(answerNextBox(tool.process.dwProcessId, 30s).has_value()) << "box " << box;
    }
    const std::vector<std::string> lines = logLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(ansi(description64)), std::string::npos) << "the nested install's line first";
    EXPECT_NE(lines[1].find(ansi(description32)), std::string::npos);
    ASSERT_TRUE(tool.endsWithin(10s));
    EXPECT_EQ(tool.exitCode(), 0u);
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
        click(tool.child(L"Button", option64Caption));
        click(tool.child(L"Button", installCaption));
        const auto box = answerNextBox(tool.process.dwProcessId, 30s);
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
