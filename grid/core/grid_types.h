#pragma once
// Plain value types the grid shares with its derived grids: cell
// coordinates, cell rectangles, the option set and the draw state.

#include "framework/small_set.h"

#include <cstdint>

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

// The values carry their own prefix, so they are plain enumerations named
// without their type, as the grid's callers always have. In bit order.
enum TGridOption : std::uint8_t {
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
using TGridOptions = TSmallSet<TGridOption, std::uint16_t>;

enum TGridDrawStateFlag : std::uint8_t { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSmallSet<TGridDrawStateFlag, std::uint8_t>;

enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TBorderStyle : std::uint8_t { bsNone, bsSingle };

} // namespace zel
