#pragma once
// The units report lengths are read and written in, and the rounding every
// conversion to whole pixels uses. Lengths are held in tenths of a
// millimetre (the native unit) as extended values.

#include <cstdint>

namespace zel {

enum class TQRUnit : std::uint8_t { MM = 0, Inches = 1, Pixels = 2, Characters = 3, Native = 4 };

// Nearest integer, halves to the even neighbour (489.5 gives 490, 904.5
// gives 904). Independent of the floating-point rounding mode.
long long RoundHalfEven(long double value);

// The unit new holders start in: inches where the system's default locale
// measures in the U.S. system, millimetres elsewhere. Asked once, on the
// first call; SetDefaultUnits overrides it (engine start-up, tests).
TQRUnit DefaultUnits();
void SetDefaultUnits(TQRUnit unit);

} // namespace zel
