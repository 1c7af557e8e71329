#include "grid/core/string_grid.h"

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

std::string TStringGrid::Cells(int col, int row) const {
    const TStringSparseList* cells = m_Data.Items(row);
    return cells ? cells->Strings(col) : std::string();
}

void* TStringGrid::Objects(int col, int row) const {
    const TStringSparseList* cells = m_Data.Items(row);
    return cells ? cells->Objects(col) : nullptr;
}

void TStringGrid::SetCells(int col, int row, const std::string& value) {
    TStringSparseList& cells = DataRow(row);
    cells.SetItem(col, value, cells.Objects(col));
    Update(col, row);
}

void TStringGrid::SetObjects(int col, int row, void* value) {
    TStringSparseList& cells = DataRow(row);
    cells.SetItem(col, cells.Strings(col), value);
    Update(col, row);
}

void TStringGrid::SetCell(int col, int row, const std::string& text, void* object) {
    // Emptying a cell of a row that holds nothing needs no row.
    if (text.empty() && !object && !m_Data.Items(row))
        return;
    DataRow(row).SetItem(col, text, object);
    Update(col, row);
}

void TStringGrid::ClearRow(int row) {
    TStringSparseList* cells = m_Data.Items(row);
    if (!cells)
        return;
    cells->ForAll([&](int col, const std::string&, void*) {
        cells->SetItem(col, std::string(), nullptr);
        Update(col, row);
    });
}

TStringSparseList& TStringGrid::DataRow(int row) {
    return m_Data.ItemOrCreate(row, [&] {
        return std::make_unique<TStringSparseList>(QuantumFor(ColCount(), kLargeLeafCols));
    });
}

TStringGridStrings& TStringGrid::Rows(int index) {
    return m_RowProxies.ItemOrCreate(index, [&] {
        return std::make_unique<TStringGridStrings>(*this, TStringGridStrings::TKind::Row, index);
    });
}

TStringGridStrings& TStringGrid::Cols(int index) {
    return m_ColProxies.ItemOrCreate(index, [&] {
        return std::make_unique<TStringGridStrings>(*this, TStringGridStrings::TKind::Column,
                                                    index);
    });
}

void TStringGrid::Update(int col, int row) {
    if (m_UpdateCount > 0)
        m_NeedsUpdating = true;
    else
        InvalidateCell(col, row);
    // Text written by the editor itself must not reload the editor.
    if (col == Col() && row == Row() && m_EditUpdate == 0)
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

void TStringGrid::DrawCell(int col, int row, const QRect& rect, TGridDrawState state) {
    if (DefaultDrawing())
        Canvas().TextRect(rect, rect.left() + 2, rect.top() + 2, Cells(col, row));
    TDrawGrid::DrawCell(col, row, rect, state);
}

std::string TStringGrid::GetEditText(int col, int row) {
    std::string text = Cells(col, row);
    if (OnGetEditText)
        OnGetEditText(this, col, row, text);
    return text;
}

void TStringGrid::SetEditText(int col, int row, const std::string& value) {
    ++m_EditUpdate;
    try {
        if (value != Cells(col, row))
            SetCells(col, row, value);
    } catch (...) {
        --m_EditUpdate;
        throw;
    }
    --m_EditUpdate;
    TDrawGrid::SetEditText(col, row, value);
}

void TStringGrid::ColumnMoved(int fromIndex, int toIndex) {
    m_Data.ForAll([&](int, TStringSparseList& row) { row.Move(fromIndex, toIndex); });
    InvalidateGrid();
    TDrawGrid::ColumnMoved(fromIndex, toIndex);
}

void TStringGrid::RowMoved(int fromIndex, int toIndex) {
    m_Data.Move(fromIndex, toIndex);
    InvalidateGrid();
    TDrawGrid::RowMoved(fromIndex, toIndex);
}

} // namespace zel
