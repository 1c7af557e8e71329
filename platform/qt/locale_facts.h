#pragma once
// What the locale services answer, for any QLocale (the services ask the
// system's).

#include "platform/locale.h"

#include <QLocale>

namespace zel::platform {

struct TLocaleFacts {
    TMeasurementSystem measurementSystem;
    bool japanese;
    std::string shortDateFormat;
    std::string longDateFormat;
    std::array<std::string, 7> shortDayNames; // Sunday first
    char decimalSeparator;
};

TLocaleFacts LocaleFactsOf(const QLocale& locale);

} // namespace zel::platform
