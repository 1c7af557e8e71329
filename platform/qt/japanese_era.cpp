// Eras from ICU's Japanese calendar: the same data Qt's own text
// conversions sit on, kept current by the system's ICU package.

#include "platform/japanese_era.h"

#include "platform/cp932.h"

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <limits>
#include <memory>

namespace zel::platform {
namespace {

struct TEraCalendar {
    std::unique_ptr<icu::Calendar> Calendar;
    std::unique_ptr<icu::DateFormatSymbols> Symbols;
};

// Built once; the program asks from its one thread.
const TEraCalendar& EraCalendar() {
    static const TEraCalendar calendar = [] {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Locale locale("ja_JP@calendar=japanese");
        TEraCalendar made;
        made.Calendar.reset(
            icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), locale, status));
        if (U_FAILURE(status)) {
            made.Calendar.reset();
            return made;
        }
        // The dates given are Gregorian all the way back.
        if (auto* gregorian = dynamic_cast<icu::GregorianCalendar*>(made.Calendar.get()))
            gregorian->setGregorianChange(-std::numeric_limits<double>::max(), status);
        made.Symbols = std::make_unique<icu::DateFormatSymbols>(locale, "japanese", status);
        if (U_FAILURE(status))
            made.Calendar.reset();
        return made;
    }();
    return calendar;
}

bool IsCivilDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1)
        return false;
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Days from 1970-01-01 to a proleptic Gregorian date, in 64 bits: a year
// near the limits of int still counts.
long long DaysFromCivil(int year, int month, int day) {
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

} // namespace

std::optional<TEraYear> JapaneseEraOf(int year, int month, int day) {
    const TEraCalendar& calendar = EraCalendar();
    if (!calendar.Calendar || !IsCivilDate(year, month, day))
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    calendar.Calendar->setTime(
        static_cast<UDate>(DaysFromCivil(year, month, day)) * U_MILLIS_PER_DAY, status);
    const int era = calendar.Calendar->get(UCAL_ERA, status);
    const int eraYear = calendar.Calendar->get(UCAL_YEAR, status);
    int32_t count = 0;
    const icu::UnicodeString* names = calendar.Symbols->getEraNames(count);
    // Before the first era the calendar counts its first era backwards.
    if (U_FAILURE(status) || era < 0 || era >= count || eraYear < 1)
        return std::nullopt;
    std::string utf8;
    names[era].toUTF8String(utf8);
    return TEraYear{cp932::FromUtf8(utf8), eraYear};
}

} // namespace zel::platform
