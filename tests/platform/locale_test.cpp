#include "platform/cp932.h"
#include "platform/japanese_era.h"
#include "platform/qt/locale_facts.h"
#include "tests/support/japanese_date_locale.h"

#include <climits>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace zel::platform {
namespace {

TEST(Locale, JapaneseIsMetricWithYearFirstDatesAndOthersFollowTheirOwn) {
    const TLocaleFacts facts = LocaleFactsOf(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(facts.measurementSystem, TMeasurementSystem::msMetric);
    EXPECT_TRUE(facts.japanese);
    EXPECT_EQ(facts.shortDateFormat, "yyyy/MM/dd");
    EXPECT_EQ(cp932::ToUtf8(facts.longDateFormat), "yyyy年M月d日dddd");
    EXPECT_EQ(facts.decimalSeparator, '.');
    // The tests' stand-in for a Japanese system says what Qt says.
    EXPECT_EQ(facts.shortDayNames, test::JapaneseDateLocale().ShortDayNames);
    const TLocaleFacts us = LocaleFactsOf(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.measurementSystem, TMeasurementSystem::msUS);
    EXPECT_FALSE(us.japanese);
    EXPECT_EQ(us.shortDateFormat, "M/d/yy");
    EXPECT_EQ(LocaleFactsOf(QLocale(QLocale::German, QLocale::Germany)).decimalSeparator, ',');
    // Arabic uses a separator outside ASCII: numbers keep the period.
    EXPECT_EQ(LocaleFactsOf(QLocale(QLocale::Arabic, QLocale::Egypt)).decimalSeparator, '.');
}

} // namespace
} // namespace zel::platform

namespace zel::platform {
namespace {

TEST(JapaneseEra, GivesTheEraOfARealDateOnly) {
    const std::optional<TEraYear> reiwa = JapaneseEraOf(2026, 12, 7);
    ASSERT_TRUE(reiwa);
    EXPECT_EQ(std::pair(cp932::ToUtf8(reiwa->Name), reiwa->Year),
              std::pair(std::string("令和"), 8));
    // Counted in 64 bits: the limits of int are no overflow, only no era.
    for (const auto& [year, month, day] :
         {std::tuple(INT_MIN, 1, 1), std::tuple(INT_MIN, 3, 1), std::tuple(2026, 2, 30),
          std::tuple(2026, 13, 1), std::tuple(2026, 1, 0), std::tuple(600, 1, 1)})
        EXPECT_FALSE(JapaneseEraOf(year, month, day)) << year << "-" << month << "-" << day;
}

} // namespace
} // namespace zel::platform
