#pragma once
#include "platform/date_time.h"

#include <string>

namespace platform {

DateTime localNow();

// The user's date and time separators from the regional settings.
std::wstring dateSeparator();
std::wstring timeSeparator();

}  // namespace platform
