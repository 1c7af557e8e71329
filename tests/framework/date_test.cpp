#include "framework/date.h"
#include "framework/date_picture.h"
#include "framework/date_text.h"
#include "tests/support/japanese_date_locale.h"

#include <climits>
#include <gtest/gtest.h>

namespace zel {
namespace {

std::string Utf8(const std::string& sjis) {
    return cp932::ToUtf8(sjis);
}

TEST(Date, MonthLengthsFollowTheLeapYearRuleWeekdaysCountFromSundayOrderByYear) {
    const struct {
        int year, month, days;
    } cases[] = {
        {2024, 2, 29}, {2026, 2, 28}, {1900, 2, 28},  {2000, 2, 29},
        {2100, 2, 28}, {2026, 4, 30}, {2026, 12, 31}, {2026, 13, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "/" << c.month;
    EXPECT_FALSE(TDate(2026, 2, 29).IsValid());
    EXPECT_TRUE(TDate(2024, 2, 29).IsValid());
    EXPECT_FALSE(TDate(0, 1, 1).IsValid());
    EXPECT_EQ(TDate(2026, 12, 7).DayOfWeek(), 1);
    EXPECT_EQ(TDate(2026, 2, 1).DayOfWeek(), 0);
    EXPECT_EQ(TDate(2000, 1, 1).DayOfWeek(), 6);
    EXPECT_LT(TDate(2025, 12, 31), TDate(2026, 1, 1));
    EXPECT_LT(TDate(2026, 1, 31), TDate(2026, 2, 1));
    EXPECT_FALSE(TDate(2026, 2, 1) < TDate(2026, 2, 1));
}

TEST(Date, MonthStepsShortenTheDayToTheTargetMonth) {
    const struct {
        TDate from;
        int months;
        TDate to;
    } cases[] = {
        {{2026, 1, 31}, 1, {2026, 2, 28}},
        {{2024, 1, 31}, 1, {2024, 2, 29}},
        {{2026, 3, 31}, -1, {2026, 2, 28}},
        {{2024, 2, 29}, 12, {2025, 2, 28}},
        {{2026, 12, 15}, 1, {2027, 1, 15}},
        {{2026, 1, 15}, -1, {2025, 12, 15}},
        {{2026, 5, 31}, -25, {2024, 4, 30}},
        {{1, 1, 1}, -1, {}},
        {{9999, 12, 1}, 1, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IncMonth(c.from, c.months), c.to)
            << c.from.Year() << "/" << c.from.Month() << "/" << c.from.Day() << " + " << c.months;
}

TEST(DateText, FormatsEraDatesAndTheLocaleDatesWhichReadBackAsWritten) {
    const TFixedToday today(TDate(2026, 12, 7));
    const TScopedDateLocale locale(test::JapaneseDateLocale());
    const struct {
        const char* format;
        TDate date;
        const char* text;
    } cases[] = {
        {"gg e/m/d", {2026, 12, 7}, "令和 8/12/7"}, {"gg e/m/d", {2019, 4, 30}, "平成 31/4/30"},
        {"gg e/m/d", {2019, 5, 1}, "令和 1/5/1"},   {"gg e/m/d", {1989, 1, 7}, "昭和 64/1/7"},
        {"g ee", {2026, 12, 7}, "令 08"},           {"yyyy年m月", {2026, 1, 5}, "2026年1月"},
        {"yy/mm/dd", {2026, 1, 5}, "26/01/05"},     {"ddddd", {2026, 1, 5}, "2026/01/05"},
        {"dddddd", {2026, 1, 5}, "2026年1月5日"},   {"ddd 'd'\"m\"", {2026, 12, 7}, "月 dm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8(FormatDateTime(cp932::Sys(c.format), c.date)), c.text) << c.format;
    // No era for what is no date, and no overflow on the way there.
    for (const TDate date : {TDate(INT_MIN, 1, 1), TDate(INT_MAX, 12, 31), TDate(2026, 2, 30),
                             TDate(2026, 13, 1), TDate(2026, 0, 1)})
        EXPECT_EQ(FormatDateTime("gg", date), "") << date.Year() << "-" << date.Month();
    for (const TDate date : {TDate(2026, 12, 7), TDate(2024, 2, 29), TDate(1, 1, 1),
                             TDate(1926, 12, 25), TDate(9999, 12, 31)}) {
        EXPECT_EQ(ParseShortDate(FormatShortDate(date)), date) << FormatShortDate(date);
        EXPECT_EQ(ParseLongDate(FormatLongDate(date)), date) << Utf8(FormatLongDate(date));
    }
}

TEST(DateText, ReadsDatesInThePictureOrderAndNothingElse) {
    const TFixedToday today(TDate(2026, 12, 7));
    const struct {
        const char *text, *picture;
        std::optional<TDate> date;
    } cases[] = {
        {"2026/12/07", "yyyy/MM/dd", TDate(2026, 12, 7)},
        {"2026/ 1/ 7", "yyyy/MM/dd", TDate(2026, 1, 7)},
        {"2026年12月7日", "yyyy/MM/dd", TDate(2026, 12, 7)},
        {"2024.2.29", "yyyy/MM/dd", TDate(2024, 2, 29)},
        {"26/12/07", "yy/MM/dd", TDate(2026, 12, 7)},
        {"75/1/2", "yy/MM/dd", TDate(2075, 1, 2)},
        {"76/1/2", "yy/MM/dd", TDate(1976, 1, 2)},
        {"12/7/26", "M/d/yy", TDate(2026, 12, 7)},
        {"7.12.2026", "dd.MM.yyyy", TDate(2026, 12, 7)},
        {"  /  /  ", "yy/MM/dd", std::nullopt},
        {"    年  月  日", "yyyy年M月d日", std::nullopt},
        {"2026/12/  ", "yyyy/MM/dd", std::nullopt},
        {"2026/2/30", "yyyy/MM/dd", std::nullopt},
        {"令和8/12/7", "yyyy/MM/dd", std::nullopt},
        {"2026/12/7x", "yyyy/MM/dd", std::nullopt},
        {"12345/1/1", "yyyy/MM/dd", std::nullopt},
        {"2026/123/1", "yyyy/MM/dd", std::nullopt},
        {"2026/1/2/3", "yyyy/MM/dd", std::nullopt},
        {"7 12 2026", "d MMMM yyyy", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDateText(cp932::Sys(c.text), cp932::Sys(c.picture)), c.date)
            << c.text << " as " << c.picture;
}

TEST(DatePicture, WeekdayNamesLeaveWithTheirFiller) {
    const TDate date(2026, 12, 7);
    const struct {
        const char *picture, *text;
    } cases[] = {
        {"yyyy年M月d日dddd", "2026年12月7日"},
        {"dddd, MMMM d, yyyy", "12 7, 2026"},
        {"dddd d MMMM yyyy", "7 12 2026"},
        {"d 'de' MMMM 'de' yyyy", "7 de 12 de 2026"},
        {"d. MMMM yyyy, dddd", "7. 12 2026"},
        {"'''yy'", "'yy"},
        // Fields of one letter on either side of the name stay two fields.
        {"yddddyy", "2026 26"},
        {"yyyy/MM/dd ddd", "2026/12/07"},
        {"yyyy dddd yy", "2026 26"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8(FormatDatePicture(WithoutDayNames(cp932::Sys(c.picture)), date)), c.text)
            << c.picture;
}

} // namespace
} // namespace zel
