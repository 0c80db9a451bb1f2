#pragma once
#include <string>
#include <string_view>

namespace commands {

// The option buttons, by their index in Option1: the first marks a 32-bit operating system; any
// other state of the pair counts as a 64-bit one.
inline constexpr int option32 = 0;
inline constexpr int option64 = 1;

// The command interpreter that runs the setup scripts, from the system folder.
inline constexpr wchar_t interpreter[] = L"cmd.exe";

// The setup script for the marked option, relative to the application folder.
std::wstring_view scriptFor(int markedOption);

// "تنزيل ملفات ل" joined directly to the caption of the marked option.
std::wstring processDescription(std::wstring_view optionCaption);

// The command interpreter cannot keep a "%" from being expanded, even inside quotes.
bool isSafeForInterpreter(std::wstring_view path);

// The command line that runs the script through the interpreter: no AutoRun commands (/d), no
// delayed expansion of "!" (/v:off), and the path quoted so that blanks, "&" and
// parentheses stay part of it.
std::wstring interpreterCommandLine(std::wstring_view scriptPath);

}  // namespace commands
