#pragma once
// The small arrows of the spin button's halves.

#include <QPixmap>

namespace zel {

// "SpinUp" when `up`, else "SpinDown".
QPixmap SpinGlyph(bool up);

} // namespace zel
