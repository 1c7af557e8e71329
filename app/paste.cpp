#include "app/paste.h"

#include "app/message_box.h"
#include "framework/format.h"
#include "framework/messages.h"
#include "grid/core/string_grid.h"
#include "platform/cp932.h"

namespace zel::app {

TPasteResult PasteExaminees(TStringGrid& grid, std::string_view text) {
    const std::vector<TSheetRow> rows = PastedRows(text);
    TPasteResult result;
    // Nothing to paste: sizing the grid to a single row would turn the
    // caption row into a data row, so the grid is left as it is.
    if (rows.empty())
        return result;
    result.Pasted = true;
    result.Notes = RowNotes(rows, 1);
    result.HeaderRow = LooksLikeHeader(rows.front());
    if (result.HeaderRow)
        result.Header = HeaderText(rows.front());

    grid.SetRowCount(static_cast<int>(rows.size()) + 1);
    grid.SetColCount(kExamineeColumns);
    for (int row = 1; row < grid.RowCount(); ++row)
        grid.SetRowTexts(row, rows[static_cast<std::size_t>(row - 1)].Cells);
    return result;
}

void RemoveFirstExaminee(TStringGrid& grid) {
    const int last = grid.RowCount() - 1;
    if (last <= 1) {
        grid.SetRowTexts(1, {});
        return;
    }
    grid.MoveRow(1, last);
    grid.SetRowTexts(last, {});
    grid.SetRowCount(last);
}

void TellPasteResult(TStringGrid& grid, const TPasteResult& pasted) {
    const std::string notes = cp932::ToUtf8(RowNotesText(pasted.Notes));
    if (pasted.HeaderRow) {
        std::string text = Fmt(msg::kPasteHeaderRow, {pasted.Header});
        if (!notes.empty())
            text += "\n" + cp932::Sys(msg::kPasteRowsNotWhole);
        if (AskYesNo(text + "\n" + cp932::Sys(msg::kPasteRemoveHeader), notes,
                     TMsgDlgType::mtConfirmation))
            RemoveFirstExaminee(grid);
        return;
    }
    if (!notes.empty())
        ShowMessageBox({cp932::Sys(msg::kMsgDlgWarning), cp932::Sys(msg::kPasteRowsNotWhole),
                        TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK, notes});
}

} // namespace zel::app
