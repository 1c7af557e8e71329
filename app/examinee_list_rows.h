#pragma once
// Rows of an examinee list as a paste or a list file brings them, before
// they become grid rows: which rows cannot be taken whole, and whether the
// first row is the sheet's header rather than an examinee.

#include "framework/sheet_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace zel::app {

// Exam number, name, venue.
inline constexpr int kExamineeColumns = 3;

// A row that cannot be taken whole.
struct TRowNote {
    int Row = 0;          // numbered as the operator will see it
    bool Dropped = false; // cells past the third are not taken
    std::string Cells;    // Dropped: those cells, joined by " / "
    int CellCount = 0;    // not Dropped: the row has only these cells
};

// The rows of a pasted text: a text holding a tab is a spreadsheet's
// block; any other is comma text, a line a row. Line breaks inside cells
// become a half-width space; empty rows at the end are gone.
std::vector<TSheetRow> PastedRows(std::string_view text);

// Rows with non-empty cells past the third, or with fewer than three
// cells (empty rows aside). `rows[i]` is numbered `firstRow + i`.
std::vector<TRowNote> RowNotes(const std::vector<TSheetRow>& rows, int firstRow);
// One line per note, for the message after the paste and for warnings.
std::string RowNotesText(const std::vector<TRowNote>& notes);

// True when `row` reads as the header of the list: its first cell is not
// empty but holds no digit, or its cells are the captions (spaces aside).
bool LooksLikeHeader(const TSheetRow& row);
// The header's cells as the message shows them.
std::string HeaderText(const TSheetRow& row);

} // namespace zel::app
