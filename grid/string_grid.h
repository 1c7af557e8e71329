#pragma once
// The grid with a text and an object per cell, kept in a sparse store so
// that only cells holding something cost memory. Cells outside the current
// counts keep their contents; moving a column or row moves its cells.

#include "grid/draw_grid.h"
#include "grid/sparse_list.h"
#include "grid/string_grid_strings.h"

namespace zel {

class TStringGrid : public TDrawGrid {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    std::string Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const std::string& Value);
    void* Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, void* Value);
    // Row (column) i as a string list, made on first use and owned here.
    // Writing a cell makes none: a view holds nothing, and one that could
    // not be made must not fail a write that has already been stored.
    TStringGridStrings& Rows(int Index);
    TStringGridStrings& Cols(int Index);
    // Copies a list into row (column) i as far as both reach.
    void SetRows(int Index, const TStrings& Value) { Rows(Index).Assign(Value); }
    void SetCols(int Index, const TStrings& Value) { Cols(Index).Assign(Value); }

protected:
    void DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;

private:
    friend class TStringGridStrings;

    // Stores text and object of one cell, then repaints it.
    void SetCell(int ACol, int ARow, const std::string& text, void* object);
    void ClearRow(int ARow);
    TStringSparseList& DataRow(int ARow);
    // Repaints a changed cell, and reloads the editor when it shows it.
    void Update(int ACol, int ARow);
    void SetUpdateState(bool updating);

    TOwningSparseList<TStringSparseList> m_Data;
    TOwningSparseList<TStringGridStrings> m_RowProxies;
    TOwningSparseList<TStringGridStrings> m_ColProxies;
    int m_UpdateCount = 0;
    bool m_NeedsUpdating = false;
    int m_EditUpdate = 0;
};

} // namespace zel
