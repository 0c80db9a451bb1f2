#include "logging/installation_log.h"
#include "logging/text_file_writer.h"
#include "platform/error.h"
#include "tests/support/files.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace testing_support;

namespace {

// A small file system that tests/small_file_system.sh mounted, as Wine names it, or empty.
std::wstring smallFileSystem()
{
    const wchar_t* folder = _wgetenv(L"SMALL_FILE_SYSTEM");
    return folder != nullptr && exists(std::wstring(folder) + L".mounted") ? folder : L"";
}

// Writes to the file until the file system takes no further byte.
void fillUp(const std::wstring& path)
{
    const HANDLE filler = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(filler, INVALID_HANDLE_VALUE);
    const std::string page(4096, 'x');
    for (const DWORD size : {4096UL, 1UL}) {
        DWORD written = 0;
        while (WriteFile(filler, page.data(), size, &written, nullptr) && written == size) {
        }
    }
    CloseHandle(filler);
}

void expectDiskFull(const std::wstring& text, std::wstring folder, std::wstring name)
{
    try {
        logging::writeFileData(text, L"Append", folder, name);
        ADD_FAILURE() << "the write on a full disk did not fail";
    } catch (const platform::Error& error) {
        EXPECT_TRUE(error.number() == ERROR_DISK_FULL || error.number() == ERROR_HANDLE_DISK_FULL)
            << error.number();
    }
}

}  // namespace

TEST(FullDisk, AFailedAppendLeavesTheLogAsItWasAndTheNextAddsOneWholeLine)
{
    const std::wstring folder = smallFileSystem();
    if (folder.empty()) {
        GTEST_SKIP() << "No small file system is mounted (that needs root): the full disk is not tried.";
    }
    const std::wstring log = folder + L"\\" + logging::installationLogName;
    const std::wstring filler = folder + L"\\filler";
    const std::wstring line = L"The process of 'x' completed on 05/03/2026 14:07:09\r\n";
    // Old lines that end a few bytes before the end of a page: the next line fits there only in part.
    const std::string old = std::string(4088, 'o') + "\r\n";
    writeBytes(log, old);
    fillUp(filler);

    expectDiskFull(line, folder, logging::installationLogName);
    EXPECT_EQ(readBytes(log), old);
    expectDiskFull(line, folder, L"new.txt");
    EXPECT_TRUE(exists(folder + L"\\new.txt") && readBytes(folder + L"\\new.txt").empty());

    removeFile(filler);
    std::wstring logFolder = folder;
    std::wstring logName = logging::installationLogName;
    logging::writeFileData(line, L"Append", logFolder, logName);
    EXPECT_EQ(readBytes(log), old + ansi(line));
    removeFile(log);
    removeFile(folder + L"\\new.txt");
}
