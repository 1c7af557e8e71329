#include "platform/qt/locale_facts.h"
#include "tests/support/japanese_date_locale.h"

#include <gtest/gtest.h>

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
