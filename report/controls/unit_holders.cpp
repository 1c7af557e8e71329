#include "report/controls/unit_holders.h"

#include "framework/exceptions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zel {
namespace {

// The Characters unit without a report (or with a font of no size) uses
// this size, so that conversions never divide by zero.
constexpr long double kFallbackFontPoints = 10;

} // namespace

TQRUnitBase::TQRUnitBase(std::vector<bool> horizontal, int resolution)
    : m_Resolution(resolution), m_Units(DefaultUnits()), m_SavedUnits(m_Units),
      m_Values(horizontal.size(), 0.0L), m_Horizontal(std::move(horizontal)) {}

std::size_t TQRUnitBase::CheckedIndex(int index) const {
    if (index < 0 || index >= ValueCount())
        RaiseListIndexError(index);
    return static_cast<std::size_t>(index);
}

bool TQRUnitBase::Horizontal(int index) const {
    return m_Horizontal[CheckedIndex(index)];
}

long double TQRUnitBase::CharacterSize(bool horizontal) const {
    long double points = m_ParentReport ? m_ParentReport->FontSizePoints() : kFallbackFontPoints;
    if (!(points > 0))
        points = kFallbackFontPoints;
    return (horizontal ? 80.0L : 145.3L) / points / 2.54L;
}

long double TQRUnitBase::FromNative(TQRUnit unit, bool horizontal, long double value) const {
    switch (unit) {
    case TQRUnit::MM:
        return value / 10;
    case TQRUnit::Inches:
        return value / 254;
    case TQRUnit::Pixels:
        return value / (254.0L / m_Resolution) * m_Zoom / 100;
    case TQRUnit::Characters:
        return value / CharacterSize(horizontal) / 10;
    case TQRUnit::Native:
        break;
    }
    return value;
}

long double TQRUnitBase::ToNative(TQRUnit unit, bool horizontal, long double value) const {
    switch (unit) {
    case TQRUnit::MM:
        return value * 10;
    case TQRUnit::Inches:
        return value * 254;
    case TQRUnit::Pixels:
        return 254.0L / m_Resolution * value / m_Zoom * 100;
    case TQRUnit::Characters:
        return CharacterSize(horizontal) * value * 10;
    case TQRUnit::Native:
        break;
    }
    return value;
}

long double TQRUnitBase::GetValue(int index) const {
    return FromNative(Units(), Horizontal(index), NativeValue(index));
}

void TQRUnitBase::SetValue(int index, long double value) {
    SetNative(index, ToNative(Units(), Horizontal(index), value));
}

int TQRUnitBase::Pixels(bool horizontal, long double native) const {
    const long long pixels = RoundHalfEven(FromNative(TQRUnit::Pixels, horizontal, native));
    return static_cast<int>(std::clamp<long long>(pixels, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

void TQRUnitBase::ReadValues(const std::vector<long double>& values) {
    for (std::size_t i = 0; i < values.size() && i < m_Values.size(); ++i)
        m_Values[i] = values[i];
}

std::vector<long double> TQRUnitBase::WriteValues() const {
    return m_Values;
}

TQRUnitBase::TUpdatingScope::TUpdatingScope(TQRUnitBase& holder)
    : m_Holder(holder), m_Entered(!holder.m_Updating) {
    m_Holder.m_Updating = true;
}

TQRUnitBase::TUpdatingScope::~TUpdatingScope() {
    if (m_Entered)
        m_Holder.m_Updating = false;
}

} // namespace zel
