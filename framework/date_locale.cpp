#include "framework/date_locale.h"

#include "framework/date_picture.h"
#include "platform/locale.h"

namespace zel {
namespace {

const TDateLocale* g_Locale = nullptr;

TDateLocale SystemDateLocale() {
    // A long date with the weekday in it cannot stand in a date field, and
    // the long dates the program's users know have none.
    return {platform::ShortDateFormat(), WithoutDayNames(platform::LongDateFormat()),
            platform::ShortDayNames()};
}

} // namespace

const TDateLocale& DateLocale() {
    if (g_Locale)
        return *g_Locale;
    static const TDateLocale system = SystemDateLocale();
    return system;
}

TScopedDateLocale::TScopedDateLocale(TDateLocale locale)
    : m_Locale(std::move(locale)), m_Previous(g_Locale) {
    g_Locale = &m_Locale;
}

TScopedDateLocale::~TScopedDateLocale() {
    g_Locale = m_Previous;
}

} // namespace zel
