#include "output/file_date.h"

#include <chrono>
#include <ctime>

namespace zel {

double EncodeFileDate(int year, int month, int day, int hour, int minute, int second) {
    using namespace std::chrono;
    constexpr auto kEpoch = sys_days{1899y / December / 30};
    const sys_days date{std::chrono::year{year} / month / day};
    const double days = static_cast<double>((date - kEpoch).count());
    // Dates before the epoch count their time of day forwards too, so the
    // fraction's sign follows the whole part's.
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    return days < 0 ? days - fraction : days + fraction;
}

double FileDateNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (const std::tm* converted = std::localtime(&now))
        local = *converted;
    return EncodeFileDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec);
}

} // namespace zel
