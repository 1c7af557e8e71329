// Text pasted into the string grid by key: a spreadsheet's block of rows
// and cells, or one cell's text.

#include "framework/sheet_text.h"
#include "grid/core/string_grid.h"
#include "platform/clipboard.h"

#include <algorithm>
#include <vector>

namespace zel {

// One repaint for many cells: the grid's update bracket, closed however the
// work ends.
struct TStringGrid::TUpdateBracket {
    explicit TUpdateBracket(TStringGrid& grid) : Grid(grid) { Grid.SetUpdateState(true); }
    ~TUpdateBracket() { Grid.SetUpdateState(false); }
    TUpdateBracket(const TUpdateBracket&) = delete;
    TUpdateBracket& operator=(const TUpdateBracket&) = delete;
    TStringGrid& Grid;
};

void TStringGrid::PasteBlock(int col, int row, std::string_view text) {
    std::vector<TSheetRow> block = SplitSheetText(text, '\t', TSheetQuotes::Clipboard).Rows;
    if (block.empty())
        return;
    std::size_t widest = 0;
    for (const TSheetRow& line : block)
        widest = std::max(widest, line.Cells.size());
    SetRowCount(std::max(RowCount(), row + static_cast<int>(block.size())));
    SetColCount(std::max(ColCount(), col + static_cast<int>(widest)));
    // One repaint for the block, not one per cell.
    const TUpdateBracket bracket(*this);
    std::vector<bool> takesPaste(widest);
    for (std::size_t j = 0; j < widest; ++j)
        takesPaste[j] = ColumnTakesPaste(col + static_cast<int>(j));
    for (std::size_t i = 0; i < block.size(); ++i) {
        const int cellRow = row + static_cast<int>(i);
        for (std::size_t j = 0; j < block[i].Cells.size(); ++j) {
            if (!takesPaste[j])
                continue;
            const int cellCol = col + static_cast<int>(j);
            std::string field = std::move(block[i].Cells[j]);
            if (field.empty())
                field = " ";
            else if (field.find_first_of("\r\n") != std::string::npos)
                field = JoinLineBreaks(field);
            const std::optional<std::string> kept = PastedCellText(cellCol, cellRow, field);
            if (kept)
                SetCells(cellCol, cellRow, *kept);
        }
    }
}

void TStringGrid::SetRowTexts(int row, const std::vector<std::string>& texts) {
    const TUpdateBracket bracket(*this);
    for (int col = 0; col < ColCount(); ++col) {
        if (col >= static_cast<int>(texts.size())) {
            SetCell(col, row, std::string(), nullptr);
            continue;
        }
        const std::string& text = texts[static_cast<std::size_t>(col)];
        // An empty text still uses its cell.
        SetCell(col, row, text.empty() ? std::string(" ") : text, nullptr);
    }
}

void TStringGrid::PasteFromClipboard() {
    const std::optional<cp932::TCheckedText> text = platform::ClipboardCheckedText();
    if (!text || text->Text.empty())
        return;
    const int col = Col();
    const int row = Row();
    const auto put = [&](const std::string& bytes) {
        // Spreadsheets end every copied block with a line end; one cell
        // comes without, whatever line breaks it holds.
        const bool block =
            bytes.find('\t') != std::string::npos || bytes.back() == '\n' || bytes.back() == '\r';
        if (block) {
            PasteBlock(col, row, bytes);
        } else if (ColumnTakesPaste(col)) {
            if (const std::optional<std::string> kept =
                    PastedCellText(col, row, JoinLineBreaks(bytes)))
                SetCells(col, row, *kept);
        }
    };
    put(text->Text);
    if (!text->Unheld.empty() && OnUnheldText && OnUnheldText(*text, col, row))
        put(cp932::WithSubstitutes(*text));
}

} // namespace zel
