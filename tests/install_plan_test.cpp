#include "commands/install_plan.h"
#include "tests/support/texts.h"

#include <gtest/gtest.h>

using namespace commands;

TEST(InstallPlan, ChoosesTheScriptAndDescriptionByTheMarkedOption)
{
    EXPECT_EQ(scriptFor(option32), L"Components\\Is32BitNorvasquel.bat");
    EXPECT_EQ(scriptFor(option64), L"Components\\Is64BitNorvasquel.bat");
    // The prefix ends in lam with no blank, so it joins the caption's first word.
    EXPECT_EQ(processDescription(testing_support::option64Caption), testing_support::description64);
    EXPECT_EQ(std::wstring_view(testing_support::descriptionPrefix).size(), 13u);
}

TEST(InstallPlan, QuotesTheScriptPathForTheInterpreter)
{
    const struct {
        const wchar_t* path;
        const wchar_t* commandLine;
    } cases[] = {
        {L"C:\\Tools\\Components\\Is32BitNorvasquel.bat",
         L"cmd.exe /d /v:off /c \"\"C:\\Tools\\Components\\Is32BitNorvasquel.bat\"\""},
        {L"C:\\Program Files\\A & B (x86)\\Components\\Is64BitNorvasquel.bat",
         L"cmd.exe /d /v:off /c \"\"C:\\Program Files\\A & B (x86)\\Components\\Is64BitNorvasquel.bat\"\""},
        {L"C:\\برامج\\الطرمزي\\Components\\Is32BitNorvasquel.bat",
         L"cmd.exe /d /v:off /c \"\"C:\\برامج\\الطرمزي\\Components\\Is32BitNorvasquel.bat\"\""},
        {L"C:\\a^b!c;d,e=f\\Components\\Is32BitNorvasquel.bat",
         L"cmd.exe /d /v:off /c \"\"C:\\a^b!c;d,e=f\\Components\\Is32BitNorvasquel.bat\"\""},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(interpreterCommandLine(item.path), item.commandLine);
    }
}

TEST(InstallPlan, RefusesOnlyPathsThatTheInterpreterWouldExpand)
{
    EXPECT_TRUE(isSafeForInterpreter(L"C:\\Program Files (x86)\\A & B\\ملفات"));
    EXPECT_FALSE(isSafeForInterpreter(L"C:\\100% sure"));
    EXPECT_FALSE(isSafeForInterpreter(L"C:\\%PATH%"));
}
