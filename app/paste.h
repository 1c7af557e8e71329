#pragma once
// The examinee list pasted from a spreadsheet: one examinee per line, cells
// separated by tabs, in the order exam number, name, venue.

#include <string_view>

namespace zel {
class TStringGrid;
}

namespace zel::app {

// Replaces the grid's rows with the lines of `text`: the grid gets one
// caption row plus a row per line, and as many columns as the first line
// has fields. A text without any line changes nothing and gives false.
bool PasteExaminees(TStringGrid& grid, std::string_view text);

} // namespace zel::app
