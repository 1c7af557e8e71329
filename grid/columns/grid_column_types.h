#pragma once
// The value kinds of a column definition: what a column holds, which
// button its editor shows, vertical placement, the date format of calendar
// columns, and how a string grid colours its rows.

#include <cstdint>

namespace zel {

enum TInputDataType : std::uint8_t { dtString, dtInteger };

enum TMOColumnButtonStyle : std::uint8_t {
    cbsList,
    cbsDropList,
    cbsEllipsis,
    cbsCheckBox,
    cbsSimple,
    cbsSpin,
    cbsCalendar,
};

enum TAlignmentV : std::uint8_t { tavTop, tavCenter, tavBottom };

enum TMODateFormat : std::uint8_t { dtLong, dtShort };

enum TMOGridStyle : std::uint8_t { mgsNormal, mgsStriped };

} // namespace zel
