#include "framework/date_text.h"
#include "grid/columns/calendar_text.h"
#include "tests/support/japanese_date_locale.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TDateLocale LocaleWith(const char* shortDate, const char* longDate) {
    TDateLocale locale = test::JapaneseDateLocale();
    locale.ShortDateFormat = cp932::Sys(shortDate);
    locale.LongDateFormat = cp932::Sys(longDate);
    return locale;
}

TEST(CalendarText, MasksHoldTheLocalesDateDigitForDigit) {
    const TFixedToday today(TDate(2026, 12, 7));
    const TDate date(2026, 1, 5);
    const struct {
        const char *shortDate, *longDate;
        TMODateFormat format;
        const char *mask, *blank, *text;
    } cases[] = {
        // A Japanese system today: ten characters for the short date.
        {"yyyy/MM/dd", "yyyy年M月d日", dtShort, "!9999/99/00;1;_", "    /  /  ", "2026/01/05"},
        {"yyyy/MM/dd", "yyyy年M月d日", dtLong, "!9999年99月00日;1;_", "    年  月  日",
         "2026年01月05日"},
        // A two-digit year fits the eight-character mask as it is.
        {"yy/MM/dd", "yyyy年M月d日", dtShort, "!99/99/00;1;_", "  /  /  ", "26/01/05"},
        {"M/d/yy", "MMMM d, yyyy", dtShort, "!99/99/00;1;_", "  /  /  ", "01/05/26"},
        // Month names cannot be typed into digits.
        {"M/d/yy", "MMMM d, yyyy", dtLong, "!9999年99月00日;1;_", "    年  月  日",
         "2026年01月05日"},
        {"dd.MM.yyyy", "d. MMMM yyyy", dtShort, "!99.99.0000;1;_", "  .  .    ", "05.01.2026"},
        // A mask character among the literals is escaped.
        {"yyyy-MM-dd '#'", "yyyy年M月d日", dtShort, "!9999-99-00 \\#;1;_", "    -  -   #",
         "2026-01-05 #"},
    };
    for (const auto& c : cases) {
        const TScopedDateLocale locale(LocaleWith(c.shortDate, c.longDate));
        const std::string shown = c.format == dtShort ? c.shortDate : c.longDate;
        EXPECT_EQ(cp932::ToUtf8(CalendarEditMask(c.format)), c.mask) << shown;
        EXPECT_EQ(cp932::ToUtf8(CalendarBlankText(c.format)), c.blank) << shown;
        EXPECT_EQ(cp932::ToUtf8(CalendarDateText(c.format, date)), c.text) << shown;
        EXPECT_EQ(ParseCalendarDateText(c.format, CalendarDateText(c.format, date)), date) << shown;
        EXPECT_EQ(ParseCalendarDateText(c.format, CalendarBlankText(c.format)), std::nullopt);
        EXPECT_TRUE(IsCalendarBlankText(CalendarBlankText(c.format)));
    }
}

TEST(CalendarText, ACellWithoutADateStartsTheEditorAtToday) {
    const TFixedToday today(TDate(2026, 12, 7));
    const TScopedDateLocale locale(test::JapaneseDateLocale());
    const struct {
        TMODateFormat format;
        const char* text;
        TDate date;
    } cases[] = {
        {dtShort, "2026/03/15", {2026, 3, 15}},    {dtShort, "2026年3月15日", {2026, 3, 15}},
        {dtLong, "2026年03月15日", {2026, 3, 15}}, {dtShort, "", {2026, 12, 7}},
        {dtShort, "2026/02/30", {2026, 12, 7}},    {dtShort, "2026/ 3/  ", {2026, 12, 7}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalendarCellDate(c.format, cp932::Sys(c.text)), c.date) << c.text;
}

} // namespace
} // namespace zel
