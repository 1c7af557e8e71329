#pragma once
// QString <-> code page 932, for window code that hands texts to Qt widgets.

#include "platform/cp932.h"

#include <QString>
#include <string>
#include <string_view>

namespace zel::cp932 {

QString ToQString(std::string_view sjis);
std::string FromQString(const QString& text);
// As FromQString, telling which characters became "?" and what could
// stand in for them.
TCheckedText FromQStringChecked(const QString& text);

} // namespace zel::cp932
