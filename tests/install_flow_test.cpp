#include "platform/message_box.h"
#include "tests/support/install_fixture.h"

using namespace testing_support;
using namespace std::chrono_literals;

using InstallFlow = testing_support::InstallFixture;

TEST_F(InstallFlow, EachOptionStartsItsScriptLogsOneLineAndReportsSuccess)
{
    writeScript(32, false, "exit /b 0");
    writeScript(64, false, "exit /b 0");

    auto boxes = clickAndAnswer(0, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, windowCaption);
    EXPECT_EQ(boxes[0].text, successText);
    EXPECT_TRUE(boxes[0].hasIcon);
    EXPECT_EQ(boxes[0].buttons, 1);
    EXPECT_TRUE(exists(marker(L"ran32")));
    EXPECT_FALSE(exists(marker(L"ran64")));
    EXPECT_NE(form.setupProcessId, 0);
    const std::string firstLine = lineFor(description32);
    ASSERT_EQ(logLines().size(), 1u);
    EXPECT_EQ(withoutTime(logLines()[0]), withoutTime(firstLine));
    EXPECT_EQ(logLines()[0].size(), firstLine.size());

    const std::int32_t firstId = form.setupProcessId;
    selectOption(1);
    boxes = clickAndAnswer(0, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, successText);
    EXPECT_TRUE(exists(marker(L"ran64")));
    EXPECT_NE(form.setupProcessId, firstId);
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(withoutTime(lines[1]), withoutTime(lineFor(description64)));
}

TEST_F(InstallFlow, MissingScriptIsReportedWithTheSystemsDescriptionAndNothingIsLogged)
{
    auto boxes = clickAndAnswer(0, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, platform::programTitle);
    EXPECT_EQ(boxes[0].text, errorText(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(boxes[0].hasIcon);
    EXPECT_EQ(boxes[0].buttons, 1);
    EXPECT_FALSE(exists(logPath));
    EXPECT_EQ(form.setupProcessId, 0);

    RemoveDirectoryW(components.c_str());
    boxes = clickAndAnswer(0, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, errorText(ERROR_PATH_NOT_FOUND));
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

    std::vector<SeenBox> boxes;
    clickWhile(0, [&] {
        for (const auto timeout : {30000ms, 2000ms}) {
            if (auto box = answerNextBox(GetCurrentProcessId(), timeout)) {
                boxes.push_back(*box);
            }
        }
    });
    ASSERT_EQ(boxes.size(), 1u) << "only the error box may come";
    EXPECT_EQ(boxes[0].text, errorText(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(exists(marker(L"ran32")));
    EXPECT_EQ(readBytes(logPath), "old line\r\n");
}

TEST_F(InstallFlow, FailedScriptIsLoggedAndThenReportedWithItsExitCode)
{
    const struct {
        const char* lastLine;
        std::wstring expectedText;
    } cases[] = {
        {"exit /b 3", failedScriptText(3)},
        // Exit code 259 is what a running process reports; the wait must still end.
        {"exit /b 259", failedScriptText(259)},
        {"helper-exit 5", failedScriptText(5)},
        // Installers' successes that need a restart: one is needed, one has been started.
        {"exit /b 3010", successText},
        {"exit /b 1641", successText},
        {"exit /b 0", successText},
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
        EXPECT_EQ(logLines().size(), ++expectedLines) << "the line is written either way";
    }
}

TEST_F(InstallFlow, NestedInstallsFinishLastInFirstOut)
{
    writeScript(32, true, "exit /b 0");
    writeScript(64, false, "exit /b 0");
    std::vector<std::string> logAtEachBox;
    std::vector<std::wstring> boxTexts;
    clickWhile(0, [&] {
        waitForFile(marker(L"ran32"));
        // During the first install's wait: mark the other option and press install again.
        PostMessageW(control(layout::option1Id + 1), BM_CLICK, 0, 0);
        PostMessageW(control(layout::installButtonId), BM_CLICK, 0, 0);
        waitForFile(marker(L"ran64"));
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
    const auto lines = logLines();
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
        waitForFile(marker(L"ran32"));
        PostMessageW(control(layout::exitButtonId), BM_CLICK, 0, 0);
        waitForWindowToClose(form.handle());
        closedBeforeScriptEnded = !exists(logPath);
        writeBytes(marker(L"release32"), "");
        box = answerNextBox(GetCurrentProcessId(), 30s);
    });
    EXPECT_TRUE(closedBeforeScriptEnded);
    EXPECT_EQ(form.handle(), nullptr);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, windowCaption);
    EXPECT_EQ(box->text, successText);
    EXPECT_EQ(logLines().size(), 1u);
}
