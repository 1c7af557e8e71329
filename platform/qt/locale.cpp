#include "platform/locale.h"

#include "platform/qt/locale_facts.h"
#include "platform/qt/qstring_text.h"

namespace zel::platform {

TLocaleFacts LocaleFactsOf(const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    return TLocaleFacts{
        locale.measurementSystem() == QLocale::MetricSystem ? TMeasurementSystem::msMetric
                                                            : TMeasurementSystem::msUS,
        locale.language() == QLocale::Japanese,
        cp932::FromQString(locale.dateFormat(QLocale::ShortFormat)),
        cp932::FromQString(locale.dateFormat(QLocale::LongFormat)),
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
char DecimalSeparator() {
    return LocaleFactsOf(QLocale::system()).decimalSeparator;
}

} // namespace zel::platform
