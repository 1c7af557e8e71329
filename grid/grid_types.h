#pragma once
// Plain value types the grid shares with its derived grids: cell
// coordinates, cell rectangles, the option set and the draw state.

#include <cstdint>
#include <initializer_list>

namespace zel {

// A cell: X is the column, Y the row.
struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, both corners included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
    bool Contains(int col, int row) const {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
};

// A small set of enumeration values kept in the bits of an integer, so the
// option set stays the 16-bit set the grid stores.
template <typename E, typename Bits> class TSmallSet {
public:
    constexpr TSmallSet() = default;
    constexpr TSmallSet(std::initializer_list<E> items) {
        for (E e : items)
            m_Bits |= Bit(e);
    }
    constexpr bool Contains(E e) const { return (m_Bits & Bit(e)) != 0; }
    constexpr TSmallSet& operator+=(E e) {
        m_Bits |= Bit(e);
        return *this;
    }
    constexpr TSmallSet& operator-=(E e) {
        m_Bits &= static_cast<Bits>(~Bit(e));
        return *this;
    }
    constexpr TSmallSet operator+(E e) const { return TSmallSet(*this) += e; }
    constexpr TSmallSet operator-(E e) const { return TSmallSet(*this) -= e; }
    constexpr Bits ToBits() const { return m_Bits; }
    friend constexpr bool operator==(TSmallSet, TSmallSet) = default;

private:
    static constexpr Bits Bit(E e) { return static_cast<Bits>(1u << static_cast<unsigned>(e)); }
    Bits m_Bits = 0;
};

// In bit order.
enum class TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking,
};
using enum TGridOption;
using TGridOptions = TSmallSet<TGridOption, std::uint16_t>;

enum class TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using enum TGridDrawStateFlag;
using TGridDrawState = TSmallSet<TGridDrawStateFlag, std::uint8_t>;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
using enum TScrollStyle;

enum class TBorderStyle { bsNone, bsSingle };
using enum TBorderStyle;

} // namespace zel
