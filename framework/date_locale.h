#pragma once
// What dates look like to the user: the short and long date pictures and
// the abbreviated weekday names. Read from the system once; tests put a
// locale of their own in place for as long as a TScopedDateLocale lives.

#include <array>
#include <string>

namespace zel {

struct TDateLocale {
    std::string ShortDateFormat;              // picture with d, M and y letters, code page 932
    std::string LongDateFormat;               // the same, without weekday names
    std::array<std::string, 7> ShortDayNames; // Sunday first
};

// The system's locale, or the one in place.
const TDateLocale& DateLocale();

class TScopedDateLocale {
public:
    explicit TScopedDateLocale(TDateLocale locale);
    ~TScopedDateLocale();
    TScopedDateLocale(const TScopedDateLocale&) = delete;
    TScopedDateLocale& operator=(const TScopedDateLocale&) = delete;

private:
    TDateLocale m_Locale;
    const TDateLocale* m_Previous;
};

} // namespace zel
