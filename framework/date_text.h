#pragma once
// Dates as text, in code page 932: the format strings the program writes
// ("gg e/m/d", "yyyy"), the locale's short and long dates, and reading
// typed or stored dates back.

#include "framework/date.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel {

// A format string of date letters, case-insensitive:
//   d, dd        day, dd with a leading zero
//   ddd, dddd    abbreviated weekday name
//   ddddd        the short date; dddddd and longer the long date
//   m, mm        month (mmm and longer also give the number)
//   yy, yyyy     year in two or four digits
//   e, ee        year of the Japanese era, ee with a leading zero
//   g, gg        the era name's first character, the whole era name
//   "..." '...'  text as it stands
// Every other character stands for itself. Without era data, the era name
// is empty and the era year is the year.
std::string FormatDateTime(std::string_view format, const TDate& date);

// A locale picture (d, M, y letters; see date_picture.h) filled in. Month
// names are given as numbers.
std::string FormatDatePicture(std::string_view picture, const TDate& date);

std::string FormatShortDate(const TDate& date);
std::string FormatLongDate(const TDate& date);

// Reads a date whose day, month and year stand in the picture's order,
// written in digits and set apart by blanks, the picture's own literals or
// any of "/", "-", ".", "年", "月", "日" (so "2026年12月7日" reads under
// "yyyy/MM/dd" too). Nothing is read from a text with any other character
// in it (an era name, a letter), with a blank field ("  /  /  "), with more
// or fewer than three numbers or with a day the month does not have.
// A year of one or two digits is taken as the year ending in those digits
// that lies from 50 years before today's year to 49 years after it (with
// today in 2026, "75" is 2075 and "76" is 1976); three or four digits are
// the year itself.
std::optional<TDate> ParseDateText(std::string_view text, std::string_view picture);

std::optional<TDate> ParseShortDate(std::string_view text);
std::optional<TDate> ParseLongDate(std::string_view text);

} // namespace zel
