#include "commands/install_plan.h"

namespace commands {

std::wstring_view scriptFor(int markedOption)
{
    return markedOption == option32 ? L"Components\\Is32BitNorvasquel.bat" : L"Components\\Is64BitNorvasquel.bat";
}

std::wstring processDescription(std::wstring_view optionCaption)
{
    std::wstring description = L"تنزيل ملفات ل";
    description += optionCaption;
    return description;
}

bool isSafeForInterpreter(std::wstring_view path)
{
    return path.find(L'%') == std::wstring_view::npos;
}

std::wstring interpreterCommandLine(std::wstring_view scriptPath)
{
    // cmd.exe removes the outermost pair of quotes after /c and runs what is left,
    // so the quoted path is wrapped in one more pair.
    std::wstring commandLine = interpreter;
    commandLine += L" /d /v:off /c \"\"";
    commandLine += scriptPath;
    commandLine += L"\"\"";
    return commandLine;
}

}  // namespace commands
