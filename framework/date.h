#pragma once
// A calendar date (proleptic Gregorian, years 1 to 9999) with the month
// arithmetic the calendar needs, and today's date from a clock that tests
// can fix.

namespace zel {

bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

class TDate {
public:
    // The empty date: not valid.
    constexpr TDate() = default;
    constexpr TDate(int year, int month, int day) : m_Year(year), m_Month(month), m_Day(day) {}

    int Year() const { return m_Year; }
    int Month() const { return m_Month; }
    int Day() const { return m_Day; }
    bool IsValid() const;
    // 0 = Sunday .. 6 = Saturday. Only for a valid date.
    int DayOfWeek() const;

    // The system's date, or the one a TFixedToday holds.
    static TDate Today();

    friend bool operator==(const TDate&, const TDate&) = default;
    friend bool operator<(const TDate& a, const TDate& b) {
        return a.m_Year != b.m_Year     ? a.m_Year < b.m_Year
               : a.m_Month != b.m_Month ? a.m_Month < b.m_Month
                                        : a.m_Day < b.m_Day;
    }

private:
    int m_Year = 0;
    int m_Month = 0;
    int m_Day = 0;
};

// The same day `months` months later (earlier when negative), shortened to
// the length of the month it lands in: 31 January + 1 is the last day of
// February. The empty date when the result leaves years 1..9999.
TDate IncMonth(const TDate& date, int months);

// Holds "today" at a given date while it lives, so that tests need neither
// the real clock nor sleeps.
class TFixedToday {
public:
    explicit TFixedToday(const TDate& today);
    ~TFixedToday();
    TFixedToday(const TFixedToday&) = delete;
    TFixedToday& operator=(const TFixedToday&) = delete;

private:
    const TFixedToday* m_Previous;
    TDate m_Today;
    friend class TDate;
};

} // namespace zel
