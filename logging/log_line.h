#pragma once
#include "platform/date_time.h"

#include <string>
#include <string_view>

namespace logging {

// "dd/mm/yyyy hh:nn:ss" on the 24-hour clock with the digits 0 to 9, where "/" and ":"
// stand for the given separators, less any control character or line
// or paragraph separator they hold.
std::wstring formatLogTime(const platform::DateTime& time, std::wstring_view dateSeparator,
                           std::wstring_view timeSeparator);

// One line of the installation log, ending in CR LF. The description goes in unchanged.
std::wstring completionLine(std::wstring_view processName, std::wstring_view formattedTime);

}  // namespace logging
