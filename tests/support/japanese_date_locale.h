#pragma once
// The date locale of a Japanese system, for tests that must not depend on
// the locale of the machine they run on.

#include "framework/date_locale.h"
#include "platform/cp932.h"

namespace zel::test {

inline TDateLocale JapaneseDateLocale() {
    TDateLocale locale{"yyyy/MM/dd", cp932::Sys("yyyy年M月d日"), {}};
    const char* names[] = {"日", "月", "火", "水", "木", "金", "土"};
    for (std::size_t i = 0; i < locale.ShortDayNames.size(); ++i)
        locale.ShortDayNames[i] = cp932::Sys(names[i]);
    return locale;
}

} // namespace zel::test
