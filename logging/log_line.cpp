#include "logging/log_line.h"

namespace logging {

namespace {

void appendDigits(std::wstring& text, int value, int width)
{
    std::wstring digits = std::to_wstring(value);
    if (digits.size() < static_cast<size_t>(width)) {
        text.append(static_cast<size_t>(width) - digits.size(), L'0');
    }
    text += digits;
}

// Control characters (C0, DEL and C1) and the line and paragraph separators, at which readers
// of the log may break a line.
bool breaksTheLine(wchar_t character)
{
    return character < 0x20 || (character >= 0x7F && character <= 0x9F) || character == 0x2028 ||
           character == 0x2029;
}

// A separator comes from the regional settings, which any user can set: nothing in it may split
// the line or forge another. Directional marks stay (Arabic settings use them).
std::wstring printable(std::wstring_view separator)
{
    std::wstring kept;
    for (const wchar_t character : separator) {
        if (!breaksTheLine(character)) {
            kept += character;
        }
    }
    return kept;
}

}  // namespace

std::wstring formatLogTime(const platform::DateTime& time, std::wstring_view dateSeparator,
                           std::wstring_view timeSeparator)
{
    const std::wstring dateMark = printable(dateSeparator);
    const std::wstring timeMark = printable(timeSeparator);
    std::wstring text;
    appendDigits(text, time.day, 2);
    text += dateMark;
    appendDigits(text, time.month, 2);
    text += dateMark;
    appendDigits(text, time.year, 4);
    text += L' ';
    appendDigits(text, time.hour, 2);
    text += timeMark;
    appendDigits(text, time.minute, 2);
    text += timeMark;
    appendDigits(text, time.second, 2);
    return text;
}

std::wstring completionLine(std::wstring_view processName, std::wstring_view formattedTime)
{
    std::wstring line = L"The process of '";
    line += processName;
    line += L"' completed on ";
    line += formattedTime;
    line += L"\r\n";
    return line;
}

}  // namespace logging
