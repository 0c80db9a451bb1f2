#include "tests/support/files.h"
#include "tests/support/message_boxes.h"
#include "tests/support/running_tool.h"
#include "tests/support/texts.h"

#include <gtest/gtest.h>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

// DLLs that a program may load by name and that Windows looks for in the program's folder
// first (they are not KnownDLLs). Not planted: version.dll, uxtheme.dll and msimg32.dll, which
// Wine's own user32, comctl32 and uxtheme load while ignoring the program's restricted search
// (Windows' user32 imports no version.dll).
const wchar_t* const plantedNames[] = {L"comctl32.dll", L"dwmapi.dll", L"usp10.dll", L"winmm.dll"};

std::wstring loadedBy(const wchar_t* program)
{
    return std::wstring(e2eRoot) + L"\\planted dll loaded by " + program;
}

// Runs a program in the folder and waits for it to end.
DWORD runIn(const std::wstring& folder, const std::wstring& program, const std::wstring& argument)
{
    const StartedProcess started(folder + L"\\" + program, argument, folder);
    if (!started.started()) {
        return started.startError();
    }
    started.endsWithin(30s);
    return started.exitCode();
}

}  // namespace

TEST(PlantedDll, ADllLeftBesideTheProgramIsNeverLoaded)
{
    RunningTool tool(L"planted dll");
    for (const wchar_t* name : plantedNames) {
        ASSERT_TRUE(CopyFileW((ownFolder() + L"\\planted_dll.dll").c_str(), (tool.folder + L"\\" + name).c_str(),
                              FALSE));
    }
    CopyFileW((ownFolder() + L"\\dll_search_probe.exe").c_str(), (tool.folder + L"\\dll_search_probe.exe").c_str(),
              FALSE);
    removeFile(loadedBy(L"dll_search_probe.exe"));
    removeFile(loadedBy(L"NorvasquelSetup.exe"));
    // An unprotected program in that folder does load the planted DLL. (Wine prefers its own
    // DLLs; the test runs with WINEDLLOVERRIDES telling it to search as Windows does.)
    EXPECT_EQ(runIn(tool.folder, L"dll_search_probe.exe", L"winmm.dll"), 0u);
    EXPECT_TRUE(exists(loadedBy(L"dll_search_probe.exe")));

    tool.writeScript(32, false);
    tool.start();
    ASSERT_NE(tool.window, nullptr) << "the program did not start with the planted DLLs beside it";
    click(tool.installButton);
    const auto box = answerNextBox(tool.process.id(), 30s);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, successText);
    click(tool.exitButton);
    EXPECT_TRUE(tool.process.endsWithin(10s));

    EXPECT_FALSE(exists(loadedBy(L"NorvasquelSetup.exe")));
}
