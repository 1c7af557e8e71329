#pragma once
// The grid with a text and an object per cell, kept in a sparse store so
// that only cells holding something cost memory. Cells outside the current
// counts keep their contents; moving a column or row moves its cells.

#include "grid/core/draw_grid.h"
#include "grid/core/sparse_list.h"
#include "grid/core/string_grid_strings.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zel {

class TStringGrid : public TDrawGrid {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    std::string Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& value);
    void* Objects(int col, int row) const;
    void SetObjects(int col, int row, void* value);
    // Row (column) i as a string list, made on first use and owned here.
    // Writing a cell makes none: a view holds nothing, and one that could
    // not be made must not fail a write that has already been stored.
    TStringGridStrings& Rows(int index);
    TStringGridStrings& Cols(int index);
    // Copies a list into row (column) i as far as both reach.
    void SetRows(int index, const TStrings& value) { Rows(index).Assign(value); }
    void SetCols(int index, const TStrings& value) { Cols(index).Assign(value); }

    // Lays a spreadsheet's block into the cells from (col, row) on: a row
    // per line and a cell per tab-separated field, a quoted field whole
    // with its line breaks made spaces; an empty field is one blank. The
    // grid grows to take it and never shrinks; cells the block does not
    // reach keep their text, and so do the cells of columns that refuse a
    // paste or the text pasted (PastedCellText).
    void PasteBlock(int col, int row, std::string_view text);
    // Replaces the cells of `row` with `texts` as far as the columns reach:
    // an empty text is one blank, cells past the texts are emptied. One
    // repaint for the row.
    void SetRowTexts(int row, const std::vector<std::string>& texts);

protected:
    void DrawCell(int col, int row, const QRect& rect, TGridDrawState state) override;
    std::string GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const std::string& value) override;
    void ColumnMoved(int fromIndex, int toIndex) override;
    // A text with a tab or ending in a line end goes in as a block from the
    // current cell on; any other text (one cell of a spreadsheet, line
    // breaks and all) into the current cell, its line breaks made spaces.
    void PasteFromClipboard() override;
    // Whether a pasted block may write into column `col`.
    virtual bool ColumnTakesPaste(int /*col*/) { return true; }
    // What a paste stores for `text` in a cell: the text itself here; a
    // grid whose columns take only some texts gives what the column keeps,
    // or nothing to leave the cell as it is.
    virtual std::optional<std::string> PastedCellText(int /*col*/, int /*row*/,
                                                      const std::string& text) {
        return text;
    }
    void RowMoved(int fromIndex, int toIndex) override;

private:
    friend class TStringGridStrings;
    struct TUpdateBracket;

    // Stores text and object of one cell, then repaints it.
    void SetCell(int col, int row, const std::string& text, void* object);
    void ClearRow(int row);
    TStringSparseList& DataRow(int row);
    // Repaints a changed cell, and reloads the editor when it shows it.
    void Update(int col, int row);
    void SetUpdateState(bool updating);

    TOwningSparseList<TStringSparseList> m_Data;
    TOwningSparseList<TStringGridStrings> m_RowProxies;
    TOwningSparseList<TStringGridStrings> m_ColProxies;
    int m_UpdateCount = 0;
    bool m_NeedsUpdating = false;
    int m_EditUpdate = 0;
};

} // namespace zel
