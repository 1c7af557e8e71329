#pragma once
// The small arrow bitmaps of the editor's spin button ("SpinUp",
// "SpinDown") and of the calendar's navigation buttons ("MOPREVYEAR",
// "MOPREVMONTH", "MONEXTMONTH", "MONEXTYEAR"), drawn in code so the
// program needs no image files. Black arrows on a transparent ground.

#include <QPixmap>
#include <string_view>

namespace zel {

// A null pixmap for a name that is none of the above.
QPixmap ButtonGlyph(std::string_view resourceName);

} // namespace zel
