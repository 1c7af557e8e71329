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
