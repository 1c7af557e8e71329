#include "grid/string_grid.h"

#include <memory>

namespace zel {
namespace {

// Lists made while the grid has more cells than this use the large leaf.
constexpr int kLargeLeafRows = 256;
constexpr int kLargeLeafCols = 512;

TSPAQuantum QuantumFor(int count, int limit) {
    return count > limit ? TSPAQuantum::spaLarge : TSPAQuantum::spaSmall;
}

} // namespace

// The lists are made while the grid still has its first 5 x 5 size.
TStringGrid::TStringGrid(QWidget* parent)
    : TDrawGrid(parent), m_Data(QuantumFor(RowCount(), kLargeLeafRows)),
      m_RowProxies(QuantumFor(RowCount(), kLargeLeafRows)),
      m_ColProxies(QuantumFor(ColCount(), kLargeLeafCols)) {}

TStringGrid::~TStringGrid() = default;

std::string TStringGrid::Cells(int ACol, int ARow) const {
    const TStringSparseList* row = m_Data.Items(ARow);
    return row ? row->Strings(ACol) : std::string();
}

void* TStringGrid::Objects(int ACol, int ARow) const {
    const TStringSparseList* row = m_Data.Items(ARow);
    return row ? row->Objects(ACol) : nullptr;
}

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value) {
    TStringSparseList& row = DataRow(ARow);
    row.SetItem(ACol, Value, row.Objects(ACol));
    Update(ACol, ARow);
}

void TStringGrid::SetObjects(int ACol, int ARow, void* Value) {
    TStringSparseList& row = DataRow(ARow);
    row.SetItem(ACol, row.Strings(ACol), Value);
    Update(ACol, ARow);
}

void TStringGrid::SetCell(int ACol, int ARow, const std::string& text, void* object) {
    // Emptying a cell of a row that holds nothing needs no row.
    if (text.empty() && !object && !m_Data.Items(ARow))
        return;
    DataRow(ARow).SetItem(ACol, text, object);
    Update(ACol, ARow);
}

void TStringGrid::ClearRow(int ARow) {
    TStringSparseList* row = m_Data.Items(ARow);
    if (!row)
        return;
    row->ForAll([&](int col, const std::string&, void*) {
        row->SetItem(col, std::string(), nullptr);
        Update(col, ARow);
    });
}

TStringSparseList& TStringGrid::DataRow(int ARow) {
    return m_Data.ItemOrCreate(ARow, [&] {
        return std::make_unique<TStringSparseList>(QuantumFor(ColCount(), kLargeLeafCols));
    });
}

TStringGridStrings& TStringGrid::Rows(int Index) {
    return m_RowProxies.ItemOrCreate(Index, [&] {
        return std::make_unique<TStringGridStrings>(*this, TStringGridStrings::TKind::Row, Index);
    });
}

TStringGridStrings& TStringGrid::Cols(int Index) {
    return m_ColProxies.ItemOrCreate(Index, [&] {
        return std::make_unique<TStringGridStrings>(*this, TStringGridStrings::TKind::Column,
                                                    Index);
    });
}

void TStringGrid::Update(int ACol, int ARow) {
    if (m_UpdateCount > 0)
        m_NeedsUpdating = true;
    else
        InvalidateCell(ACol, ARow);
    // Text written by the editor itself must not reload the editor.
    if (ACol == Col() && ARow == Row() && m_EditUpdate == 0)
        InvalidateEditor();
}

void TStringGrid::SetUpdateState(bool updating) {
    if (updating) {
        ++m_UpdateCount;
        return;
    }
    if (--m_UpdateCount == 0 && m_NeedsUpdating) {
        m_NeedsUpdating = false;
        InvalidateGrid();
    }
}

void TStringGrid::DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) {
    if (DefaultDrawing())
        Canvas().TextRect(ARect, ARect.left() + 2, ARect.top() + 2, Cells(ACol, ARow));
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

std::string TStringGrid::GetEditText(int ACol, int ARow) {
    std::string text = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, text);
    return text;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
    ++m_EditUpdate;
    try {
        if (Value != Cells(ACol, ARow))
            SetCells(ACol, ARow, Value);
    } catch (...) {
        --m_EditUpdate;
        throw;
    }
    --m_EditUpdate;
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    m_Data.ForAll([&](int, TStringSparseList& row) { row.Move(FromIndex, ToIndex); });
    InvalidateGrid();
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
    m_Data.Move(FromIndex, ToIndex);
    InvalidateGrid();
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

} // namespace zel
