#pragma once
// Text laid out as spreadsheets write it: rows of cells split at a tab (a
// copied block, a "Unicode text" or TSV file) or at a comma (a CSV file),
// with quoted cells that may hold the separator, quotes ("" for one) and
// line breaks. Code page 932 or UTF-8 bytes: tab, comma, quote and line
// ends are never trail bytes, so bytes are read one at a time.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct TSheetRow {
    int Line = 0; // the line of the text the row starts on, from 1
    std::vector<std::string> Cells;
    // True when every cell is empty.
    bool Empty() const;
};

enum class TSheetQuotes : std::uint8_t {
    // As a spreadsheet copies a block: a cell is quoted only when it starts
    // with a quote whose closing quote is followed by the separator or the
    // line's end; any other quote is text.
    Clipboard,
    // As CSV and TSV files: a cell that starts with a quote runs to its
    // closing quote, across lines; text after it joins the cell.
    File,
};

struct TSheetText {
    std::vector<TSheetRow> Rows;
    // With file quotes, the line of a quote never closed (the rows end
    // before it); 0 when every quote closed.
    int UnclosedQuoteLine = 0;
};

// Splits `text` into rows at its line ends (CR LF, LF or CR) outside
// quoted cells. Unquoted cells lose their half-width blanks at both ends;
// quoted ones stay as quoted. A final line end starts no row.
TSheetText SplitSheetText(std::string_view text, char separator, TSheetQuotes quotes);

// Drops the rows at the end whose cells are all empty.
void DropTrailingEmptyRows(std::vector<TSheetRow>& rows);

// `text` on one line: every line break (CR LF, LF or CR) one half-width
// space.
std::string JoinLineBreaks(std::string_view text);

} // namespace zel
