#include "commands/setup_click.h"
#include "logging/log_line.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/message_box.h"
#include "tests/support/files.h"
#include "tests/support/message_boxes.h"
#include "window/form1.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

const std::wstring successText = L"تمت عملية التثبيت بنجاح..";
const std::wstring description32 = L"تنزيل ملفات لنظام تشغيل 32 بت";
const std::wstring description64 = L"تنزيل ملفات لنظام تشغيل 64 بت";

std::wstring quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

class InstallFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        components = ownFolder() + L"\\Components";
        CreateDirectoryW(components.c_str(), nullptr);
        removeTestFiles();
        form.create(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    }

    void TearDown() override
    {
        form.close();
        // Leave no quit request behind for a later test's message boxes.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        removeTestFiles();
    }

    void removeTestFiles()
    {
        for (const wchar_t* name : {L"Is32BitNorvasquel.bat", L"Is64BitNorvasquel.bat", L"ran32", L"ran64",
                                    L"release32", L"release64"}) {
            removeFile(components + L"\\" + name);
        }
        removeFile(logPath);
    }

    // A setup script that leaves a marker, optionally waits for its release file, and ends
    // with the given last line.
    void writeScript(int bits, bool waitForRelease, const std::string& lastLine)
    {
        const std::wstring helper = quoted(ownFolder() + L"\\script_helper.exe");
        const std::wstring tag = std::to_wstring(bits);
        std::wstring script = L"@echo off\r\n" + helper + L" touch \"%~dp0ran" + tag + L"\"\r\n";
        if (waitForRelease) {
            script += helper + L" wait \"%~dp0release" + tag + L"\"\r\n";
        }
        script += std::wstring(lastLine.begin(), lastLine.end()) + L"\r\n";
        writeBytes(components + L"\\Is" + tag + L"BitNorvasquel.bat", ansi(script));
    }

    std::wstring marker(const wchar_t* name) const { return components + L"\\" + name; }

    HWND control(int id) const { return GetDlgItem(form.handle(), id); }

    void selectOption(int index)
    {
        SendMessageW(control(layout::option1Id + index), BM_CLICK, 0, 0);
        ASSERT_TRUE(form.optionSelected(index));
        ASSERT_FALSE(form.optionSelected(1 - index));
    }

    // Clicks a command button as the user would while another thread plays the user's part
    // during the click: answering message boxes and anything else it is given.
    void clickWhile(short index, const std::function<void()>& user)
    {
        std::thread person(user);
        cmdSetup_Click(form, index);
        person.join();
    }

    std::vector<SeenBox> clickAndAnswer(short index, int boxes)
    {
        std::vector<SeenBox> seen;
        clickWhile(index, [&] {
            for (int i = 0; i < boxes; ++i) {
                if (auto box = answerNextBox(GetCurrentProcessId(), 30s)) {
                    seen.push_back(*box);
                }
            }
        });
        return seen;
    }

    static void waitFor(const std::wstring& path)
    {
        for (int tries = 0; tries < 1500 && !exists(path); ++tries) {
            std::this_thread::sleep_for(20ms);
        }
    }

    static std::string lineFor(const std::wstring& description)
    {
        const std::wstring time = logging::formatLogTime(platform::localNow(), platform::dateSeparator(),
                                                         platform::timeSeparator());
        return ansi(logging::completionLine(description, time));
    }

    // The log's lines with their times cut off, to compare with lineFor's.
    static std::vector<std::string> loggedDescriptions()
    {
        std::vector<std::string> lines;
        const std::string log = readBytes(logPath);
        for (size_t start = 0; start < log.size();) {
            const size_t end = log.find("\r\n", start);
            lines.push_back(log.substr(start, end == std::string::npos ? std::string::npos : end + 2 - start));
            start = end == std::string::npos ? log.size() : end + 2;
        }
        return lines;
    }

    static std::string withoutTime(const std::string& line)
    {
        return line.substr(0, line.find(" completed on ") + 14);
    }

    std::wstring components;
    Form1 form;
};

}  // namespace

TEST_F(InstallFlow, EachOptionStartsItsScriptLogsOneLineAndReportsSuccess)
{
    writeScript(32, false, "exit /b 0");
    writeScript(64, false, "exit /b 0");

    auto boxes = clickAndAnswer(0, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, layout::caption);
    EXPECT_EQ(boxes[0].text, successText);
    EXPECT_TRUE(boxes[0].hasIcon);
    EXPECT_EQ(boxes[0].buttons, 1);
    EXPECT_TRUE(exists(marker(L"ran32")));
    EXPECT_FALSE(exists(marker(L"ran64")));
    EXPECT_NE(form.setupProcessId, 0);
    const std::string firstLine = lineFor(description32);
    ASSERT_EQ(loggedDescriptions().size(), 1u);
    EXPECT_EQ(withoutTime(loggedDescriptions()[0]), withoutTime(firstLine));
    EXPECT_EQ(loggedDescriptions()[0].size(), firstLine.size());

    const std::int32_t firstId = form.setupProcessId;
    selectOption(1);
    boxes = clickAndAnswer(0, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, successText);
    EXPECT_TRUE(exists(marker(L"ran64")));
    EXPECT_NE(form.setupProcessId, firstId);
    const auto lines = loggedDescriptions();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(withoutTime(lines[1]), withoutTime(lineFor(description64)));
}

TEST_F(InstallFlow, MissingScriptIsReportedWithTheSystemsDescriptionAndNothingIsLogged)
{
    auto boxes = clickAndAnswer(0, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, platform::programTitle);
    EXPECT_EQ(boxes[0].text, platform::systemDescription(ERROR_FILE_NOT_FOUND) + L"@Form1.cmdSetup_Click");
    EXPECT_FALSE(boxes[0].hasIcon);
    EXPECT_EQ(boxes[0].buttons, 1);
    EXPECT_FALSE(exists(logPath));
    EXPECT_EQ(form.setupProcessId, 0);

    RemoveDirectoryW(components.c_str());
    boxes = clickAndAnswer(0, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, platform::systemDescription(ERROR_PATH_NOT_FOUND) + L"@Form1.cmdSetup_Click");
    EXPECT_EQ(form.setupProcessId, 0);
}

TEST_F(InstallFlow, OtherButtonIndexesDoNothing)
{
    writeScript(32, false, "exit /b 0");
    for (const short index : {short{2}, short{-1}, short{32767}}) {
        cmdSetup_Click(form, index);
    }
    std::this_thread::sleep_for(300ms);
    EXPECT_FALSE(isShowingBox(GetCurrentProcessId()));
    EXPECT_FALSE(exists(marker(L"ran32")));
    EXPECT_EQ(form.setupProcessId, 0);
    EXPECT_TRUE(IsWindow(form.handle()));
}

TEST_F(InstallFlow, UnwritableLogGivesTheErrorBoxInsteadOfTheSuccessBox)
{
    writeScript(32, false, "exit /b 0");
    writeBytes(logPath, "old line\r\n");
    SetFileAttributesW(logPath, FILE_ATTRIBUTE_READONLY);

    const auto boxes = clickAndAnswer(0, 2);
    ASSERT_EQ(boxes.size(), 1u) << "only the error box may come";
    EXPECT_EQ(boxes[0].text, platform::systemDescription(ERROR_ACCESS_DENIED) + L"@Form1.cmdSetup_Click");
    EXPECT_TRUE(exists(marker(L"ran32")));
    EXPECT_EQ(readBytes(logPath), "old line\r\n");
}

TEST_F(InstallFlow, FailedScriptIsLoggedAndThenReportedWithItsExitCode)
{
    const struct {
        const char* lastLine;
        const wchar_t* expectedText;
    } cases[] = {
        {"exit /b 3", L"انتهت عملية التثبيت برمز الخطأ 3@Form1.cmdSetup_Click"},
        // Exit code 259 is what a running process reports; the wait must still end.
        {"exit /b 259", L"انتهت عملية التثبيت برمز الخطأ 259@Form1.cmdSetup_Click"},
        {"helper-exit 5", L"انتهت عملية التثبيت برمز الخطأ 5@Form1.cmdSetup_Click"},
        {"exit /b 3010", successText.c_str()},
        {"exit /b 0", successText.c_str()},
    };
    size_t expectedLines = 0;
    for (const auto& item : cases) {
        std::string lastLine = item.lastLine;
        if (lastLine.starts_with("helper-exit")) {
            // The exit code that the script's last command leaves, without "exit /b".
            lastLine = ansi(quoted(ownFolder() + L"\\script_helper.exe")) + " exit" + lastLine.substr(11);
        }
        writeScript(32, false, lastLine);
        const auto boxes = clickAndAnswer(0, 1);
        ASSERT_EQ(boxes.size(), 1u) << lastLine;
        EXPECT_EQ(boxes[0].text, item.expectedText) << lastLine;
        EXPECT_EQ(loggedDescriptions().size(), ++expectedLines) << "the line is written either way";
    }
}

TEST_F(InstallFlow, NestedInstallsFinishLastInFirstOut)
{
    writeScript(32, true, "exit /b 0");
    writeScript(64, false, "exit /b 0");
    std::vector<std::string> logAtEachBox;
    std::vector<std::wstring> boxTexts;
    clickWhile(0, [&] {
        waitFor(marker(L"ran32"));
        // During the first install's wait: mark the other option and press install again.
        PostMessageW(control(layout::option1Id + 1), BM_CLICK, 0, 0);
        PostMessageW(control(layout::cmdSetupId), BM_CLICK, 0, 0);
        waitFor(marker(L"ran64"));
        // Let the first script end before the nested install has finished.
        writeBytes(marker(L"release32"), "");
        for (int i = 0; i < 2; ++i) {
            const auto box = answerNextBox(GetCurrentProcessId(), 30s,
                                           [&](const SeenBox&) { logAtEachBox.push_back(readBytes(logPath)); });
            if (box) {
                boxTexts.push_back(box->text);
            }
        }
    });
    ASSERT_EQ(boxTexts.size(), 2u);
    EXPECT_EQ(boxTexts[0], successText);
    EXPECT_EQ(boxTexts[1], successText);
    // When the nested install reports, only its own line is in the log.
    EXPECT_EQ(withoutTime(logAtEachBox[0]), withoutTime(lineFor(description64)));
    EXPECT_EQ(logAtEachBox[0].find("\r\n"), logAtEachBox[0].size() - 2);
    const auto lines = loggedDescriptions();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(withoutTime(lines[0]), withoutTime(lineFor(description64)));
    EXPECT_EQ(withoutTime(lines[1]), withoutTime(lineFor(description32)));
}

TEST_F(InstallFlow, ClosingTheWindowDuringAWaitStillLogsAndReports)
{
    writeScript(32, true, "exit /b 0");
    std::optional<SeenBox> box;
    bool closedBeforeScriptEnded = false;
    clickWhile(0, [&] {
        waitFor(marker(L"ran32"));
        PostMessageW(control(layout::cmdSetupId + 1), BM_CLICK, 0, 0);
        for (int tries = 0; tries < 250 && IsWindow(form.handle()); ++tries) {
            std::this_thread::sleep_for(20ms);
        }
        closedBeforeScriptEnded = !exists(logPath);
        writeBytes(marker(L"release32"), "");
        box = answerNextBox(GetCurrentProcessId(), 30s);
    });
    EXPECT_TRUE(closedBeforeScriptEnded);
    EXPECT_EQ(form.handle(), nullptr);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, layout::caption);
    EXPECT_EQ(box->text, successText);
    EXPECT_EQ(loggedDescriptions().size(), 1u);
}
