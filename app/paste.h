#pragma once
// The examinee list pasted from a spreadsheet: one examinee per row, in the
// order exam number, name, venue. A text holding a tab is a spreadsheet's
// block (cells split at tabs only, quoted cells whole); any other text is
// comma text, a line a row.

#include "app/examinee_list_rows.h"

#include <string_view>
#include <vector>

namespace zel {
class TStringGrid;
}

namespace zel::app {

struct TPasteResult {
    bool Pasted = false; // false: nothing to paste, the grid as it was
    // Rows that could not be taken whole, numbered as grid rows.
    std::vector<TRowNote> Notes;
    // The first row reads as the sheet's header; its cells.
    bool HeaderRow = false;
    std::string Header;
};

// Replaces the grid's rows with the rows of `text`: one caption row, then
// a row per examinee, in three columns whatever the text holds. Empty rows
// at the end are not taken.
TPasteResult PasteExaminees(TStringGrid& grid, std::string_view text);

// Takes the first examinee row out (the sheet's header, the operator
// said); the rows below move up. A lone row is emptied instead, since the
// caption row must keep a row below it.
void RemoveFirstExaminee(TStringGrid& grid);

// After a paste: the rows not taken whole, listed, and the offer to take
// out a header row. Nothing when the paste was clean.
void TellPasteResult(TStringGrid& grid, const TPasteResult& pasted);

} // namespace zel::app
