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

}  // namespace

std::wstring formatLogTime(const platform::DateTime& time, std::wstring_view dateSeparator,
                           std::wstring_view timeSeparator)
{
    std::wstring text;
    appendDigits(text, time.day, 2);
    text += dateSeparator;
    appendDigits(text, time.month, 2);
    text += dateSeparator;
    appendDigits(text, time.year, 4);
    text += L' ';
    appendDigits(text, time.hour, 2);
    text += timeSeparator;
    appendDigits(text, time.minute, 2);
    text += timeSeparator;
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
