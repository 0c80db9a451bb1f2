#pragma once
#include <string>
#include <string_view>

namespace commands {

// The setup script for the marked option, relative to the application folder.
std::wstring_view scriptFor(bool option32Selected);

// "تنزيل ملفات ل" joined directly to the caption of the marked option.
std::wstring processDescription(std::wstring_view optionCaption);

// The command interpreter cannot keep a "%" from being expanded, even inside quotes.
bool isSafeForInterpreter(std::wstring_view path);

// The command line that runs the script through cmd.exe: no AutoRun commands (/d), no
// delayed expansion of "!" (/v:off), and the path quoted so that blanks, "&" and
// parentheses stay part of it.
std::wstring interpreterCommandLine(std::wstring_view scriptPath);

}  // namespace commands
