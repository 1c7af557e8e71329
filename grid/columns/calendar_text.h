#pragma once
// The date of a calendar column as its masked editor and its cells hold
// it. Each date format has a picture with fixed-width fields: the locale's
// short or long date with every number at full width ("yyyy/MM/dd",
// "yyyy年MM月dd日"), so that a mask can hold it digit for digit. A locale
// whose date has no numbers to fill in (a month name) gets "yy/MM/dd" or
// "yyyy年MM月dd日". The mask and the text follow from the picture, so no
// date the editor shows is cut by its mask.

#include "framework/date.h"
#include "grid/columns/grid_column_types.h"

#include <optional>
#include <string>

namespace zel {

std::string CalendarDatePicture(TMODateFormat format);

// "9" for each digit that may stay blank, "0" for the digits of the last
// field, which must be typed; literals kept (a mask character among them
// escaped with "\"); "_" shows what is not typed yet. For "yy/MM/dd" this
// is "!99/99/00;1;_", for "yyyy年M月d日" "!9999年99月00日;1;_".
std::string CalendarEditMask(TMODateFormat format);

// What the editor reads while nothing is typed: "  /  /  ".
std::string CalendarBlankText(TMODateFormat format);
// True for the blank text of either format.
bool IsCalendarBlankText(const std::string& text);

// The date filled into the picture: "2026/01/05".
std::string CalendarDateText(TMODateFormat format, const TDate& date);
// A date read in the picture's order (see ParseDateText).
std::optional<TDate> ParseCalendarDateText(TMODateFormat format, const std::string& text);

// The date an editor starts from for a cell's text: the text read as a
// date, or today when it is empty or holds no date.
TDate CalendarCellDate(TMODateFormat format, const std::string& text);

} // namespace zel
