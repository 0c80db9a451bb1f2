#include "tests/failing_allocator.h"
#include "tests/support/install_fixture.h"
#include "tests/support/process_usage.h"
#include "tests/support/started_process.h"

#include <windows.h>
#include <winioctl.h>

#include <atomic>
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

    // One install, answering every box until the click has returned; returns the boxes' texts.
    std::vector<std::wstring> installAnsweringAll()
    {
        std::atomic<bool> returned{false};
        std::vector<std::wstring> texts;
        std::thread person([&] {
            while (!returned) {
                if (const auto box = answerNextBox(GetCurrentProcessId(), 100ms)) {
                    texts.push_back(box->text);
                }
            }
        });
        cmdSetup_Click(form, 0);
        returned = true;
        person.join();
        return texts;
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

    // A backup that lets go of the log soon after the script's end is waited for.
    writeScript(32, true, "exit /b 0");
    removeFile(marker(L"ran32"));
    const HANDLE backup = CreateFileW(logPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(backup, INVALID_HANDLE_VALUE);
    std::vector<std::wstring> texts;
    clickWhile(0, [&] {
        EXPECT_TRUE(waitForFile(marker(L"ran32")));
        const platform::ScopedHandle script(OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(form.setupProcessId)));
        writeBytes(marker(L"release32"), "");
        EXPECT_EQ(WaitForSingleObject(script.get(), 30000), WAIT_OBJECT_0);
        std::this_thread::sleep_for(300ms);
        CloseHandle(backup);
        if (const auto box = answerNextBox(GetCurrentProcessId(), 30s)) {
            texts.push_back(box->text);
        }
    });
    EXPECT_EQ(texts, std::vector<std::wstring>{successText});
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

TEST_F(Faults, AFailedScriptIsToldAfterTheLogsErrorWhenItsLineCannotBeWritten)
{
    const auto withFolderAsLog = [](const std::function<void()>& install) {
        ASSERT_TRUE(CreateDirectoryW(logPath, nullptr));
        install();
        RemoveDirectoryW(logPath);
    };
    const auto withLogHeldOpen = [](const std::function<void()>& install) {
        writeBytes(logPath, "old line\r\n");
        const HANDLE holder = CreateFileW(logPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        install();
        CloseHandle(holder);
        EXPECT_EQ(readBytes(logPath), "old line\r\n");
        removeFile(logPath);
    };
    const std::pair<std::function<void(const std::function<void()>&)>, unsigned long> blockers[] = {
        {withFolderAsLog, ERROR_ACCESS_DENIED}, {withLogHeldOpen, ERROR_SHARING_VIOLATION}};
    for (const auto& [block, logError] : blockers) {
        writeScript(32, false, "exit /b 0");
        block([&] { EXPECT_EQ(installAnsweringAll(), std::vector<std::wstring>{errorText(logError)}); });
        writeScript(32, false, "exit /b 3");
        block([&] {
            EXPECT_EQ(installAnsweringAll(), (std::vector<std::wstring>{errorText(logError), failedScriptText(3)}));
        });
    }
}

TEST_F(Faults, AHardLinkedLogIsRefusedAndTheFileBehindItKeepsItsBytes)
{
    writeScript(32, false, "exit /b 0");
    // Anyone may replace the log in the root of drive C by a second name of a file they choose.
    const std::wstring target = ownFolder() + L"\\linked-target.txt";
    writeBytes(target, "not a log\r\n");
    ASSERT_TRUE(CreateHardLinkW(logPath, target.c_str(), nullptr));
    const auto texts = install();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(texts[0].ends_with(errorSource));
    EXPECT_NE(texts[0].find(L"رابط إلى ملف آخر"), std::wstring::npos) << "says why";
    EXPECT_EQ(readBytes(target), "not a log\r\n");

    removeFile(logPath);
    EXPECT_EQ(install(), std::vector<std::wstring>{successText});
    EXPECT_EQ(logLines().size(), 1u);
    EXPECT_EQ(readBytes(target), "not a log\r\n");
    removeFile(target);
}

TEST_F(Faults, ALogLockedByAnotherProgramGivesTheErrorBoxWithinASecondAndKeepsItsBytes)
{
    writeScript(32, false, "exit /b 0");
    const std::string old = "old line\r\n";
    writeBytes(logPath, old);
    const HANDLE holder = CreateFileW(logPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    OVERLAPPED everything{};
    ASSERT_TRUE(LockFileEx(holder, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &everything));

    bool answeredEveryTime = true;
    std::optional<SeenBox> box;
    clickWhile(0, [&] {
        while (!isShowingBox(GetCurrentProcessId())) {
            answeredEveryTime &= SendMessageTimeoutW(form.handle(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, nullptr) != 0;
        }
        box = answerNextBox(GetCurrentProcessId(), 30s);
    });
    EXPECT_TRUE(answeredEveryTime) << "the window did not answer for two seconds";
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, errorText(ERROR_LOCK_VIOLATION));
    EXPECT_EQ(readBytes(logPath), old);

    UnlockFileEx(holder, 0, MAXDWORD, MAXDWORD, &everything);
    CloseHandle(holder);
    EXPECT_EQ(install(), std::vector<std::wstring>{successText});
    EXPECT_EQ(logLines().size(), 2u);
}

TEST_F(Faults, NoFailureInsideTheWindowsHandlingEndsTheProgramOrAPendingInstall)
{
    writeScript(32, true, "exit /b 0");
    const DWORD windowThread = GetCurrentThreadId();
    RECT clientBefore{};
    GetClientRect(form.handle(), &clientBefore);
    const auto fontBefore = SendMessageW(control(layout::option1Id), WM_GETFONT, 0, 0);
    const auto bannerBefore = SendMessageW(control(layout::image1Id), STM_GETIMAGE, IMAGE_BITMAP, 0);
    std::optional<SeenBox> outOfMemoryBox;
    std::optional<SeenBox> successBox;
    clickWhile(0, [&] {
        waitForFile(marker(L"ran32"));
        // A monitor of 60000 dpi: the banner at that size can't be made.
        RECT suggested{0, 0, 4000, 3000};
        SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(60000, 60000), reinterpret_cast<LPARAM>(&suggested));

        failAllocationsOn(windowThread);
        PostMessageW(control(layout::installButtonId), BM_CLICK, 0, 0);
        outOfMemoryBox = answerNextBox(GetCurrentProcessId(), 30s, [](const SeenBox&) { failAllocationsOn(0); });
        failAllocationsOn(0);

        writeBytes(marker(L"release32"), "");
        successBox = answerNextBox(GetCurrentProcessId(), 30s);
    });
    ASSERT_TRUE(outOfMemoryBox.has_value());
    EXPECT_EQ(outOfMemoryBox->text, errorText(ERROR_NOT_ENOUGH_MEMORY));
    ASSERT_TRUE(successBox.has_value());
    EXPECT_EQ(successBox->text, successText);
    EXPECT_EQ(logLines().size(), 1u) << "the pending install still logs";

    RECT clientAfter{};
    GetClientRect(form.handle(), &clientAfter);
    EXPECT_EQ(clientAfter.right, clientBefore.right) << "the window keeps its size";
    EXPECT_EQ(clientAfter.bottom, clientBefore.bottom);
    EXPECT_EQ(SendMessageW(control(layout::option1Id), WM_GETFONT, 0, 0), fontBefore);
    EXPECT_EQ(SendMessageW(control(layout::image1Id), STM_GETIMAGE, IMAGE_BITMAP, 0), bannerBefore);
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
    std::vector<StartedProcess> writers;
    for (const wchar_t* tag : {L"A", L"B"}) {
        writers.emplace_back(ownFolder() + L"\\append_lines.exe", tag + std::wstring(L" 500"));
        ASSERT_TRUE(writers.back().started());
    }
    for (const StartedProcess& writer : writers) {
        EXPECT_TRUE(writer.endsWithin(120s));
        EXPECT_EQ(writer.exitCode(), 0u);
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
    size_t linesWhileShown = 0;
    clickWhile(0, [&] {
        waitForFile(marker(L"ran32"));
        const HANDLE script = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(form.setupProcessId));
        TerminateProcess(script, 9);
        CloseHandle(script);
        box = answerNextBox(GetCurrentProcessId(), 30s,
                            [&](const SeenBox&) { linesWhileShown = logLines().size(); });
    });
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, failedScriptText(9));
    EXPECT_EQ(linesWhileShown, 1u) << "the line is written before the box";
}

TEST_F(Faults, ThirtyNestedInstallsAllFinish)
{
    writeScript(32, true, "exit /b 0");
    int answered = 0;
    clickWhile(0, [&] {
        for (int nested = 1; nested < 30; ++nested) {
            waitForFile(marker(L"ran32"));
            removeFile(marker(L"ran32"));
            PostMessageW(control(layout::installButtonId), BM_CLICK, 0, 0);
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
        PostMessageW(control(layout::installButtonId), BM_CLICK, 0, 0);
        waitForFile(marker(L"ran64"));
        PostMessageW(form.handle(), WM_CLOSE, 0, 0);
        waitForWindowToClose(form.handle());
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
    for (int warmUp = 0; warmUp < 20; ++warmUp) {
        install();
    }
    const ProcessUsage before = usageOfThisProcess();
    ASSERT_GT(before.handles, 0u) << "handles are counted";
    ASSERT_GT(before.privateMiB, 0.0) << "memory is measured";
    for (int more = 20; more < 300; ++more) {
        install();
    }
    const ProcessUsage after = usageOfThisProcess();
    EXPECT_EQ(logLines().size(), 300u);
    EXPECT_LE(after.handles, before.handles) << "handles before " << before.handles << ", after " << after.handles;
    EXPECT_LT(after.privateMiB, before.privateMiB + 1.0) << "private bytes grew by more than 1 MiB";
}
