#pragma once
// The scales of the calibration sheet: for each print offset, where the
// name-box corner it moves would print with each value around the one in
// force. The places are found by running the ticket report itself with
// those values, so the scales follow the whole-pixel rounding of the
// tickets, uneven steps and all, rather than a nominal step.

#include "app/ticket_report_offsets.h"

#include <cstdint>
#include <vector>

namespace zel::app {

// The top-left corner of one ticket's name box on the first sheet, tenths
// of a millimetre from the paper's corner. Rows count down a column from 1.
struct TNameCorner {
    int Column = 0;
    int Row = 0;
    long double X = 0;
    long double Y = 0;
};

// Every ticket of the first sheet, with the calibration's sample rows; none
// for offsets that put every text far off the sheet.
std::vector<TNameCorner> FirstSheetNameCorners(const TPrintOffsets& offsets);

enum class TScaleAxis : std::uint8_t { Across, Down };

struct TScaleTick {
    std::int32_t Value; // what to type
    long double At;     // x of the corner for a scale across, y for one down
};

struct TOffsetScale {
    const char* Key; // as in zel.ini
    TScaleAxis Axis;
    TNameCorner Ticket;            // the ticket it sits at, with the offsets in force
    std::vector<TScaleTick> Ticks; // by value
};

// Values either side of the one in force that each scale covers.
inline constexpr int kScaleReach = 10;

// "left" and "top" at the top-left ticket, "space" at the first ticket of
// the right-hand column, "height" at the bottom ticket of the left-hand
// column. A value that moves that bottom ticket off the column has no tick:
// the ticket would print elsewhere.
std::vector<TOffsetScale> MeasureOffsetScales(const TPrintOffsets& offsets);

} // namespace zel::app
