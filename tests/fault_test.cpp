#include "platform/error.h"
#include "tests/support/install_fixture.h"

#include <windows.h>
#include <psapi.h>
#include <winioctl.h>

#include <map>
#include <sstream>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

class Faults : public InstallFixture {
protected:
    // One install from click to the last box, answered; returns the boxes' texts.
    std::vector<std::wstring> install(int boxes = 1)
    {
        std::vector<std::wstring> texts;
        for (const SeenBox& box : clickAndAnswer(0, boxes)) {
            texts.push_back(box.text);
        }
        return texts;
    }

    static std::wstring errorText(unsigned long number)
    {
        return platform::systemDescription(number) + L"@Form1.cmdSetup_Click";
    }
};

}  // namespace

TEST_F(Faults, UnwritableLogKeepsItsBytesAndTheNextInstallAppends)
{
    writeScript(32, false, "exit /b 0");
    const std::string old = "old line\r\n";

    writeBytes(logPath, old);
    SetFileAttributesW(logPath, FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(install(), std::vector<std::wstring>{errorText(ERROR_ACCESS_DENIED)});
    EXPECT_EQ(readBytes(logPath), old);
    SetFileAttributesW(logPath, FILE_ATTRIBUTE_NORMAL);

    const HANDLE heldOpen = CreateFileW(logPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(heldOpen, INVALID_HANDLE_VALUE);
    EXPECT_EQ(install(), std::vector<std::wstring>{errorText(ERROR_SHARING_VIOLATION)});
    CloseHandle(heldOpen);
    EXPECT_EQ(readBytes(logPath), old);

    EXPECT_EQ(install(), std::vector<std::wstring>{successText});
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], old);
    EXPECT_EQ(withoutTime(lines[1]), withoutTime(lineFor(description32)));

    // Any user can make a folder where the log belongs.
    removeFile(logPath);
    ASSERT_TRUE(CreateDirectoryW(logPath, nullptr));
    EXPECT_EQ(install(), std::vector<std::wstring>{errorText(ERROR_ACCESS_DENIED)});
    RemoveDirectoryW(logPath);
    EXPECT_EQ(install(), std::vector<std::wstring>{successText});
    EXPECT_EQ(logLines().size(), 1u);
}

TEST_F(Faults, ExistingBytesWithoutAFinalLineBreakStayAsTheyAre)
{
    writeScript(32, false, "exit /b 0");
    // Arabic text in code page 1256, with no line break at its end.
    const std::string old = "\xC7\xE1\xD8\xD1\xE3\xD2\xED \x31\x32\x33";
    writeBytes(logPath, old);
    EXPECT_EQ(install(), std::vector<std::wstring>{successText});
    const std::string log = readBytes(logPath);
    ASSERT_GT(log.size(), old.size());
    EXPECT_EQ(log.substr(0, old.size()), old);
    EXPECT_EQ(withoutTime(log.substr(old.size())), withoutTime(lineFor(description32)));
}

TEST_F(Faults, TwoProgramsAppendingAtOnceLoseAndTearNoLine)
{
    const std::wstring helper = ownFolder() + L"\\append_lines.exe";
    std::vector<PROCESS_INFORMATION> writers;
    for (const wchar_t* tag : {L"A", L"B"}) {
        std::wstring commandLine = quoted(helper) + L" " + tag + L" 500";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(CreateProcessW(helper.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &started));
        writers.push_back(started);
    }
    for (const PROCESS_INFORMATION& writer : writers) {
        EXPECT_EQ(WaitForSingleObject(writer.hProcess, 120000), WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(writer.hProcess, &code);
        EXPECT_EQ(code, 0u);
        CloseHandle(writer.hProcess);
        CloseHandle(writer.hThread);
    }
    std::map<std::string, int> nextNumber{{"A", 0}, {"B", 0}};
    size_t count = 0;
    for (const std::string& line : logLines()) {
        std::istringstream words(line);
        std::string tag;
        int number = -1;
        words >> tag >> number;
        ASSERT_TRUE(nextNumber.count(tag) == 1 && line == tag + " " + std::to_string(number) + "\r\n")
            << "torn line: " << line;
        EXPECT_EQ(number, nextNumber[tag]++) << "each program's lines in its own order";
        ++count;
    }
    EXPECT_EQ(count, 1000u);
}

TEST_F(Faults, LineLandsAtTheEndOfALogLargerThanFourGibibytes)
{
    writeScript(32, false, "exit /b 0");
    {
        const HANDLE log = CreateFileW(logPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(log, INVALID_HANDLE_VALUE);
        DWORD returned = 0;
        DeviceIoControl(log, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
        LARGE_INTEGER size;
        size.QuadPart = (4LL << 30) + 7;
        ASSERT_TRUE(SetFilePointerEx(log, size, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(log));
        CloseHandle(log);
    }
    EXPECT_EQ(install(), std::vector<std::wstring>{successText});

    const std::string expected = withoutTime(lineFor(description32));
    const HANDLE log = CreateFileW(logPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(log, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    GetFileSizeEx(log, &size);
    const std::string line = lineFor(description32);
    EXPECT_EQ(size.QuadPart, (4LL << 30) + 7 + static_cast<LONGLONG>(line.size()));
    LARGE_INTEGER start;
    start.QuadPart = (4LL << 30) + 7;
    SetFilePointerEx(log, start, nullptr, FILE_BEGIN);
    std::string tail(line.size(), '\0');
    DWORD read = 0;
    ReadFile(log, tail.data(), static_cast<DWORD>(tail.size()), &read, nullptr);
    CloseHandle(log);
    EXPECT_EQ(withoutTime(tail), expected);
    removeFile(logPath);
}

TEST_F(Faults, AMissingScriptFailsAloneAndTheOtherStillWorks)
{
    writeScript(64, false, "exit /b 0");
    EXPECT_EQ(install(), std::vector<std::wstring>{errorText(ERROR_FILE_NOT_FOUND)});
    selectOption(1);
    EXPECT_EQ(install(), std::vector<std::wstring>{successText});
    EXPECT_EQ(logLines().size(), 1u);
}

TEST_F(Faults, AScriptKilledFromOutsideIsLoggedAndReportedWithItsExitCode)
{
    // The script waits by itself, with no program of its own that would outlive it and hold
    // the test's output open.
    const std::wstring helper = quoted(ownFolder() + L"\\script_helper.exe");
    writeBytes(components + L"\\Is32BitNorvasquel.bat",
               ansi(L"@echo off\r\n" + helper + L" touch \"%~dp0ran32\"\r\n:wait\r\n"
                    L"if not exist \"%~dp0release32\" goto wait\r\nexit /b 0\r\n"));
    std::optional<SeenBox> box;
    clickWhile(0, [&] {
        waitForFile(marker(L"ran32"));
        const HANDLE script = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(form.setupProcessId));
        TerminateProcess(script, 9);
        CloseHandle(script);
        box = answerNextBox(GetCurrentProcessId(), 30s);
    });
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, L"انتهت عملية التثبيت برمز الخطأ 9@Form1.cmdSetup_Click");
    EXPECT_EQ(logLines().size(), 1u);
}

TEST_F(Faults, ThirtyNestedInstallsAllFinish)
{
    writeScript(32, true, "exit /b 0");
    int answered = 0;
    clickWhile(0, [&] {
        for (int nested = 1; nested < 30; ++nested) {
            waitForFile(marker(L"ran32"));
            removeFile(marker(L"ran32"));
            PostMessageW(control(layout::cmdSetupId), BM_CLICK, 0, 0);
        }
        waitForFile(marker(L"ran32"));
        writeBytes(marker(L"release32"), "");
        while (answered < 30 && answerNextBox(GetCurrentProcessId(), 30s)) {
            ++answered;
        }
    });
    EXPECT_EQ(answered, 30);
    EXPECT_EQ(logLines().size(), 30u);
    EXPECT_TRUE(IsWindow(form.handle()));
}

TEST_F(Faults, ClosingTheWindowDuringTwoNestedWaitsStillLogsBoth)
{
    writeScript(32, true, "exit /b 0");
    writeScript(64, true, "exit /b 0");
    int answered = 0;
    clickWhile(0, [&] {
        waitForFile(marker(L"ran32"));
        PostMessageW(control(layout::option1Id + 1), BM_CLICK, 0, 0);
        PostMessageW(control(layout::cmdSetupId), BM_CLICK, 0, 0);
        waitForFile(marker(L"ran64"));
        PostMessageW(form.handle(), WM_CLOSE, 0, 0);
        for (int tries = 0; tries < 250 && IsWindow(form.handle()); ++tries) {
            std::this_thread::sleep_for(20ms);
        }
        writeBytes(marker(L"release32"), "");
        writeBytes(marker(L"release64"), "");
        while (answered < 2 && answerNextBox(GetCurrentProcessId(), 30s)) {
            ++answered;
        }
    });
    EXPECT_EQ(form.handle(), nullptr);
    EXPECT_EQ(answered, 2);
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(withoutTime(lines[0]), withoutTime(lineFor(description64)));
    EXPECT_EQ(withoutTime(lines[1]), withoutTime(lineFor(description32)));
}

TEST_F(Faults, ThreeHundredInstallsLeaveNoHandlesOrMemoryBehind)
{
    writeScript(32, false, "exit /b 0");
    const auto usage = [] {
        DWORD handles = 0;
        GetProcessHandleCount(GetCurrentProcess(), &handles);
        PROCESS_MEMORY_COUNTERS_EX memory{};
        GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory);
        return std::pair<DWORD, SIZE_T>(handles, memory.PrivateUsage);
    };
    for (int warmUp = 0; warmUp < 20; ++warmUp) {
        install();
    }
    const auto before = usage();
    for (int more = 20; more < 300; ++more) {
        install();
    }
    const auto after = usage();
    EXPECT_EQ(logLines().size(), 300u);
    EXPECT_LE(after.first, before.first) << "handles before " << before.first << ", after " << after.first;
    EXPECT_LT(after.second, before.second + (1u << 20)) << "private bytes grew by more than 1 MiB";
}
