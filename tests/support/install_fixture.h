#pragma once
#include "commands/setup_click.h"
#include "logging/log_line.h"
#include "platform/clock.h"
#include "tests/support/files.h"
#include "tests/support/message_boxes.h"
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


inline const std::wstring successText = L"تمت عملية التثبيت بنجاح..";
inline const std::wstring description32 = L"تنزيل ملفات لنظام تشغيل 32 بت";
inline const std::wstring description64 = L"تنزيل ملفات لنظام تشغيل 64 بت";

inline std::wstring quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

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

    // The log split into its lines, each with its line break.
    static std::vector<std::string> loggedLines()
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

}  // namespace testing_support
