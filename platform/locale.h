#pragma once
// The user's locale, as far as the report engine and the grid ask for it.

#include <array>
#include <string>

namespace zel::platform {

enum class TMeasurementSystem { msMetric, msUS };

TMeasurementSystem MeasurementSystem();
bool PrimaryLanguageIsJapanese();
// Date pictures with d, M and y letters ("yyyy/MM/dd"), code page 932.
std::string ShortDateFormat();
std::string LongDateFormat();
// Abbreviated weekday names, Sunday first ("日", "月", ... in Japanese).
std::array<std::string, 7> ShortDayNames();
char DecimalSeparator();

} // namespace zel::platform
