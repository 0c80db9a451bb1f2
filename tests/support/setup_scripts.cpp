#include "tests/support/setup_scripts.h"

#include "tests/support/files.h"

namespace testing_support {

std::wstring componentPath(const std::wstring& appFolder, const std::wstring& name)
{
    return appFolder + L"\\Components\\" + name;
}

void writeScript(const std::wstring& appFolder, int bits, const std::wstring& text)
{
    writeBytes(componentPath(appFolder, L"Is" + std::to_wstring(bits) + L"BitNorvasquel.bat"), ansi(text));
}

std::wstring helperScript(int bits, bool waitForRelease, const std::wstring& lastLine)
{
    const std::wstring helper = quoted(ownFolder() + L"\\script_helper.exe");
    const std::wstring tag = std::to_wstring(bits);
    std::wstring script = L"@echo off\r\n" + helper + L" touch \"%~dp0ran" + tag + L"\"\r\n";
    if (waitForRelease) {
        script += helper + L" wait \"%~dp0release" + tag + L"\"\r\n";
    }
    return script + lastLine + L"\r\n";
}

void removeScripts(const std::wstring& appFolder)
{
    for (const wchar_t* name : {L"Is32BitNorvasquel.bat", L"Is64BitNorvasquel.bat", L"ran32", L"ran64",
                                L"release32", L"release64"}) {
        removeFile(componentPath(appFolder, name));
    }
}

void releaseScripts(const std::wstring& appFolder)
{
    writeBytes(componentPath(appFolder, L"release32"), "");
    writeBytes(componentPath(appFolder, L"release64"), "");
}

}  // namespace testing_support
