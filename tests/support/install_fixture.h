#pragma once
#include "commands/setup_click.h"
#include "logging/log_line.h"
#include "platform/clock.h"
#include "tests/support/files.h"
#include "tests/support/message_boxes.h"
#include "tests/support/setup_scripts.h"
#include "tests/support/texts.h"
#include "tests/support/window_queries.h"
#include "window/form1.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

// A real main window in the test program, with the test program's folder as the
// application folder, setup scripts that the tests write, and a second thread that
// plays the user's part while a click runs.
namespace testing_support {

using namespace std::chrono_literals;

class InstallFixture : public ::testing::Test {
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
        removeScripts(ownFolder());
        removeFile(logPath);
    }

    void writeScript(int bits, bool waitForRelease, const std::string& lastLine)
    {
        testing_support::writeScript(ownFolder(), bits,
                                     helperScript(bits, waitForRelease, std::wstring(lastLine.begin(), lastLine.end())));
    }

    std::wstring marker(const wchar_t* name) const { return componentPath(ownFolder(), name); }

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

    static std::string lineFor(const std::wstring& description)
    {
        const std::wstring time = logging::formatLogTime(platform::localNow(), platform::dateSeparator(),
                                                         platform::timeSeparator());
        return ansi(logging::completionLine(description, time));
    }

    static std::string withoutTime(const std::string& line)
    {
        return line.substr(0, line.find(" completed on ") + 14);
    }

    std::wstring components;
    Form1 form;
};

}  // namespace testing_support
