#include "page/units.h"

#include "platform/locale.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace zel {
namespace {

std::optional<TQRUnit>& DefaultUnitsSlot() {
    static std::optional<TQRUnit> slot;
    return slot;
}

} // namespace

long long RoundHalfEven(long double value) {
    // Lengths come from files and forms too: keep absurd ones defined.
    constexpr auto kLimit = static_cast<long double>(std::numeric_limits<long long>::max() / 2);
    if (std::isnan(value))
        return 0;
    value = std::clamp(value, -kLimit, kLimit);
    const long double floor = std::floor(value);
    const long double fraction = value - floor;
    auto result = static_cast<long long>(floor);
    if (fraction > 0.5L || (fraction == 0.5L && result % 2 != 0))
        ++result;
    return result;
}

TQRUnit DefaultUnits() {
    auto& slot = DefaultUnitsSlot();
    if (!slot)
        slot = platform::MeasurementSystem() == platform::TMeasurementSystem::msUS ? TQRUnit::Inches
                                                                                   : TQRUnit::MM;
    return *slot;
}

void SetDefaultUnits(TQRUnit unit) {
    DefaultUnitsSlot() = unit;
}

} // namespace zel
