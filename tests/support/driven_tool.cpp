#include "tests/support/driven_tool.h"

#include "tests/support/files.h"
#include "tests/support/texts.h"

namespace testing_support {

std::wstring builtProgram()
{
    return ownFolder() + L"\\..\\bin\\NorvasquelSetup.exe";
}

std::wstring layOutApplicationFolder(const std::wstring& folder, const std::wstring& program)
{
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\Components").c_str(), nullptr);
    const std::wstring copy = folder + program.substr(program.find_last_of(L'\\'));
    return CopyFileW(program.c_str(), copy.c_str(), FALSE) ? copy : std::wstring();
}

void DrivenTool::start(const std::wstring& program, const std::wstring& folder, std::chrono::milliseconds timeout)
{
    process = StartedProcess(program, L"", folder);
    if (process.started()) {
        takeWindow(waitForTopWindow(process, windowCaption, timeout));
    }
}

void DrivenTool::takeWindow(HWND found)
{
    window = found;
    installButton = child(L"Button", installCaption);
    exitButton = child(L"Button", exitCaption);
}

HWND DrivenTool::child(const wchar_t* windowClass, const std::wstring& caption) const
{
    return childOf(window, windowClass, caption);
}

}  // namespace testing_support
