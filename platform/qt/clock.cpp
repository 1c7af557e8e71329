#include "platform/clock.h"

#include "platform/qt/qstring_text.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace zel::platform {

std::string CurrentTimeText() {
    return cp932::FromQString(
        QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat));
}

std::string CurrentDateText() {
    return cp932::FromQString(
        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

TCalendarDay Today() {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

} // namespace zel::platform
