#pragma once
// The current time and date, as text in the user's short formats (code page
// 932), and today's date as numbers for the calendar.

#include <string>

namespace zel::platform {

std::string CurrentTimeText();
std::string CurrentDateText();

struct TCalendarDay {
    int Year = 0;
    int Month = 0; // 1..12
    int Day = 0;   // 1..31
};

// Today on the system clock, in local time.
TCalendarDay Today();

} // namespace zel::platform
