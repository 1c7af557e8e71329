#pragma once
// Dates as saved reports store them: days since 1899-12-30 plus the
// fraction of the day, in local time.

namespace zel {

double EncodeFileDate(int year, int month, int day, int hour, int minute, int second);
// The local date and time now.
double FileDateNow();

} // namespace zel
