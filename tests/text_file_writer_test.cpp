#include "logging/text_file_writer.h"
#include "platform/error.h"
#include "tests/support/files.h"
#include "tests/support/texts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

using logging::FileExists;
using logging::writeFileData;
using namespace testing_support;

namespace {

class TextFileWriter : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = ownFolder() + L"\\writer-test";
        CreateDirectoryW(folder.c_str(), nullptr);
        removeFile(path());
    }
    void TearDown() override { removeFile(path()); }

    std::wstring path() const { return folder + L"\\data.txt"; }
    void write(const std::wstring& data, const std::wstring& mode)
    {
        std::wstring name = L"data.txt";
        writeFileData(data, mode, folder, name);
    }

    std::wstring folder;
};

}  // namespace

TEST_F(TextFileWriter, FollowsTheModeTableByteForByte)
{
    write(L"A", L"Append");
    EXPECT_EQ(readBytes(path()), "A");  // created: the one letter, no BOM, no line break

    writeBytes(path(), "xy");
    write(L"z", L"Append");
    EXPECT_EQ(readBytes(path()), "xyz");

    write(L"new", L"Overwrite");
    EXPECT_EQ(readBytes(path()), "new");

    for (const wchar_t* mode : {L"append", L"APPEND", L"overwrite", L"", L"Add"}) {
        write(L"ignored", mode);
        EXPECT_EQ(readBytes(path()), "new") << "mode " << testing::PrintToString(std::wstring(mode));
    }

    removeFile(path());
    write(L"made", L"anything");  // a missing file is created whatever the mode
    EXPECT_EQ(readBytes(path()), "made");
    removeFile(path());
    write(L"again", L"Overwrite");
    EXPECT_EQ(readBytes(path()), "again");
}

TEST_F(TextFileWriter, StoresItsDefaultsInTheCallersVariables)
{
    const std::wstring defaultFile = ownFolder() + L"\\DataFile.txt";
    removeFile(defaultFile);
    std::wstring filePath;
    std::wstring fileName;
    writeFileData(L"default", L"Append", filePath, fileName);
    EXPECT_EQ(filePath, ownFolder());
    EXPECT_EQ(fileName, L"DataFile.txt");
    EXPECT_EQ(readBytes(defaultFile), "default");
    removeFile(defaultFile);
}

TEST_F(TextFileWriter, JoinsFolderAndNameWithExactlyOneAddedBackslash)
{
    EXPECT_EQ(logging::joinedPath(L"c:", L"InstallationLog.txt"), L"c:\\InstallationLog.txt");
    EXPECT_EQ(logging::joinedPath(L"c:\\", L"InstallationLog.txt"), L"c:\\\\InstallationLog.txt");
    EXPECT_EQ(logging::joinedPath(L"c:\\logs", L"\\x.txt"), L"c:\\logs\\\\x.txt");

    std::wstring withBackslash = folder + L"\\";
    std::wstring name = L"data.txt";
    writeFileData(L"B", L"Append", withBackslash, name);
    EXPECT_EQ(readBytes(path()), "B");
}

TEST_F(TextFileWriter, RaisesWhenTheFileCannotBeWrittenAndChangesNothing)
{
    std::wstring missingFolder = folder + L"\\no such folder";
    std::wstring name = L"data.txt";
    try {
        writeFileData(L"x", L"Append", missingFolder, name);
        ADD_FAILURE() << "a missing folder must raise an error";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), static_cast<unsigned long>(ERROR_PATH_NOT_FOUND));
        EXPECT_FALSE(error.description().empty());
    }
    EXPECT_FALSE(exists(missingFolder));

    writeBytes(path(), "kept");
    SetFileAttributesW(path().c_str(), FILE_ATTRIBUTE_READONLY);
    for (const wchar_t* mode : {L"Append", L"Overwrite"}) {
        EXPECT_THROW(write(L"lost", mode), platform::Error) << "mode " << testing::PrintToString(std::wstring(mode));
        EXPECT_EQ(readBytes(path()), "kept");
    }
}

TEST_F(TextFileWriter, StoresTextInTheAnsiCodePage)
{
    // Set where the test runs under an Arabic locale on purpose.
    if (const char* expected = std::getenv("EXPECTED_ANSI_CODE_PAGE")) {
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
    }
    const std::wstring arabic = descriptionPrefix;
    write(arabic, L"Append");
    EXPECT_EQ(readBytes(path()), ansi(arabic));
    if (GetACP() == 1256) {
        // One byte a letter: ت is 0xCA and ل is 0xE1 in code page 1256.
        EXPECT_EQ(readBytes(path()).size(), arabic.size());
        EXPECT_EQ(readBytes(path()).front(), '\xCA');
        EXPECT_EQ(readBytes(path()).back(), '\xE1');
    }
}

TEST_F(TextFileWriter, StoresACharacterTheCodePageLacksAsAQuestionMarkNotALookAlike)
{
    if (GetACP() == CP_UTF8) {
        GTEST_SKIP() << "UTF-8 holds every character";
    }
    // A with macron and infinity have best-fit look-alikes ("A", "8") in the Western and
    // Arabic code pages, and are in neither.
    write(L"\u0100\u221E", L"Append");
    EXPECT_EQ(readBytes(path()), "??");
}

TEST(OpenedFile, LeadsToAnotherFileWhenALinkOrOneOfSeveralNames)
{
    EXPECT_FALSE(logging::leadsToAnotherFile({FILE_ATTRIBUTE_ARCHIVE, 1}));
    EXPECT_FALSE(logging::leadsToAnotherFile({FILE_ATTRIBUTE_NORMAL, 1}));
    EXPECT_TRUE(logging::leadsToAnotherFile({FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT, 1}));
    EXPECT_TRUE(logging::leadsToAnotherFile({FILE_ATTRIBUTE_ARCHIVE, 2}));
}

TEST_F(TextFileWriter, FileExistsAnswersForFilesOnly)
{
    writeBytes(path(), "x");
    EXPECT_TRUE(FileExists(path()));
    SetFileAttributesW(path().c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(FileExists(path()));
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(FileExists(folder + L"\\missing.txt"));
    EXPECT_FALSE(FileExists(L""));
    EXPECT_FALSE(FileExists(L"Q:\\no drive\\x.txt"));
}
