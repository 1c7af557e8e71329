#include "framework/date.h"

#include "platform/clock.h"

#include <chrono>

namespace zel {
namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

const TFixedToday* g_FixedToday = nullptr;

} // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TDate::IsValid() const {
    return m_Year >= kFirstYear && m_Year <= kLastYear && m_Day >= 1 &&
           m_Day <= DaysInMonth(m_Year, m_Month);
}

int TDate::DayOfWeek() const {
    using namespace std::chrono;
    const year_month_day date(std::chrono::year(m_Year),
                              std::chrono::month(static_cast<unsigned>(m_Month)),
                              std::chrono::day(static_cast<unsigned>(m_Day)));
    return static_cast<int>(weekday(sys_days(date)).c_encoding());
}

TDate TDate::Today() {
    if (g_FixedToday)
        return g_FixedToday->m_Today;
    const platform::TCalendarDay today = platform::Today();
    return {today.Year, today.Month, today.Day};
}

TDate IncMonth(const TDate& date, int months) {
    // Months counted from year 0, so that the sum stays one division away
    // from year and month in both directions.
    const long long index = static_cast<long long>(date.Year()) * 12 + (date.Month() - 1) + months;
    if (index < static_cast<long long>(kFirstYear) * 12 ||
        index > static_cast<long long>(kLastYear) * 12 + 11)
        return {};
    const int year = static_cast<int>(index / 12);
    const int month = static_cast<int>(index % 12) + 1;
    const int days = DaysInMonth(year, month);
    return {year, month, date.Day() > days ? days : date.Day()};
}

TFixedToday::TFixedToday(const TDate& today) : m_Previous(g_FixedToday), m_Today(today) {
    g_FixedToday = this;
}

TFixedToday::~TFixedToday() {
    g_FixedToday = m_Previous;
}

} // namespace zel
