#pragma once
// Japanese era names and era years (平成 31 = 2019 until 30 April, 令和 1
// from 1 May), taken from the system's calendar data so that a new era
// arrives with a system update, not with a new build of the program.

#include <optional>
#include <string>

namespace zel::platform {

struct TEraYear {
    std::string Name; // code page 932, "令和"
    int Year = 0;     // 1 in the era's first year
};

// The era of a Gregorian date (proleptic before 1582); nothing before the
// first era (645) or when the calendar data cannot be had.
std::optional<TEraYear> JapaneseEraOf(int year, int month, int day);

} // namespace zel::platform
