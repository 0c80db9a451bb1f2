#include "tests/support/driven_tool.h"
#include "window/resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The built program, loaded as data so that its resources can be read.
class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = LoadLibraryExW(testing_support::builtProgram().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(program, nullptr) << GetLastError();
    }
    void TearDown() override { FreeLibrary(program); }

    std::string resource(const wchar_t* type, const wchar_t* name) const
    {
        const HRSRC found = FindResourceW(program, name, type);
        if (found == nullptr) {
            return {};
        }
        const auto* data = static_cast<const char*>(LockResource(LoadResource(program, found)));
        return std::string(data, SizeofResource(program, found));
    }

    // A value of the version block's one string table.
    std::wstring versionString(const std::string& block, const wchar_t* name) const
    {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || length == 0) {
            return {};
        }
        return std::wstring(static_cast<const wchar_t*>(value), length - 1);
    }

    HMODULE program = nullptr;
};

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

}  // namespace

TEST_F(ProgramResources, VersionBlockNamesTheProductAndVersionOneOO)
{
    std::string block = resource(MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1));  // RT_VERSION
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, 4u);
    EXPECT_EQ(fixed->dwFileType, 1u);
    EXPECT_EQ(fixed->dwFileSubtype, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04B0);

    EXPECT_EQ(versionString(block, L"ProductName"), L"Norvasquel");
    EXPECT_EQ(versionString(block, L"FileVersion"), L"1.00");
    EXPECT_EQ(versionString(block, L"ProductVersion"), L"1.00");
    EXPECT_EQ(versionString(block, L"InternalName"), L"NorvasquelSetup");
    EXPECT_EQ(versionString(block, L"OriginalFilename"), L"NorvasquelSetup.exe");
}

TEST_F(ProgramResources, IconGroupHoldsTheTwo24PixelImages)
{
    const std::string group = resource(MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(IDI_PROGRAM));  // RT_GROUP_ICON
    ASSERT_EQ(group.size(), 6u + 2 * sizeof(IconGroupEntry));
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(group.data() + 6);
    EXPECT_EQ(entries[0].width, 24);
    EXPECT_EQ(entries[0].height, 24);
    EXPECT_EQ(entries[0].bitCount, 8);
    EXPECT_EQ(entries[0].bytes, 1736u);
    EXPECT_EQ(entries[1].width, 24);
    EXPECT_EQ(entries[1].bitCount, 32);
    EXPECT_EQ(entries[1].bytes, 2440u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(resource(MAKEINTRESOURCEW(3), MAKEINTRESOURCEW(entries[i].id)).size(), entries[i].bytes);
    }
    // The banner is stored without its 14-byte file header.
    EXPECT_EQ(resource(MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(IDB_BANNER)).size(), 154544u - 14u);
}

TEST_F(ProgramResources, ManifestAsksForAdministratorDpiAwarenessAndVisualStyles)
{
    const std::string manifest = resource(MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));  // RT_MANIFEST
    ASSERT_FALSE(manifest.empty());
    for (const char* expected : {
             "level=\"requireAdministrator\"",
             "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
             ">PerMonitorV2, PerMonitor</dpiAwareness>",
             "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
         }) {
        EXPECT_NE(manifest.find(expected), std::string::npos) << expected;
    }
    // The log is written in the system's ANSI code page, not UTF-8.
    EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos);
}
