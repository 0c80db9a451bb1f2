#pragma once

namespace platform {

// A local date and time in the Gregorian calendar.
struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

}  // namespace platform
