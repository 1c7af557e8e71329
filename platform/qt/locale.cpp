#include "platform/locale.h"

#include "platform/qt/locale_facts.h"
#include "platform/qt/qstring_text.h"

namespace zel::platform {

TLocaleFacts LocaleFactsOf(const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    std::array<std::string, 7> dayNames;
    // Qt counts Monday as 1 and Sunday as 7.
    for (int day = 0; day < 7; ++day)
        dayNames[static_cast<std::size_t>(day)] =
            cp932::FromQString(locale.dayName(day == 0 ? 7 : day, QLocale::ShortFormat));
    return TLocaleFacts{
        locale.measurementSystem() == QLocale::MetricSystem ? TMeasurementSystem::msMetric
                                                            : TMeasurementSystem::msUS,
        locale.language() == QLocale::Japanese,
        cp932::FromQString(locale.dateFormat(QLocale::ShortFormat)),
        cp932::FromQString(locale.dateFormat(QLocale::LongFormat)),
        dayNames,
        // A separator outside ASCII cannot stand in one byte; numbers then
        // use the period.
        separator.size() == 1 && separator.at(0).unicode() < 0x80
            ? static_cast<char>(separator.at(0).unicode())
            : '.',
    };
}

TMeasurementSystem MeasurementSystem() {
    return LocaleFactsOf(QLocale::system()).measurementSystem;
}
bool PrimaryLanguageIsJapanese() {
    return LocaleFactsOf(QLocale::system()).japanese;
}
std::string ShortDateFormat() {
    return LocaleFactsOf(QLocale::system()).shortDateFormat;
}
std::string LongDateFormat() {
    return LocaleFactsOf(QLocale::system()).longDateFormat;
}
std::array<std::string, 7> ShortDayNames() {
    return LocaleFactsOf(QLocale::system()).shortDayNames;
}
char DecimalSeparator() {
    return LocaleFactsOf(QLocale::system()).decimalSeparator;
}

} // namespace zel::platform
