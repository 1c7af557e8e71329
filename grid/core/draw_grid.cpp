#include "grid/core/draw_grid.h"

namespace zel {

TDrawGrid::TDrawGrid(QWidget* parent) : TCustomGrid(parent) {}

void TDrawGrid::DrawCell(int col, int row, const QRect& rect, TGridDrawState state) {
    if (OnDrawCell)
        OnDrawCell(this, col, row, rect, state);
}

bool TDrawGrid::SelectCell(int col, int row) {
    bool canSelect = TCustomGrid::SelectCell(col, row);
    if (OnSelectCell)
        OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

std::string TDrawGrid::GetEditMask(int col, int row) {
    std::string mask = TCustomGrid::GetEditMask(col, row);
    if (OnGetEditMask)
        OnGetEditMask(this, col, row, mask);
    return mask;
}

std::string TDrawGrid::GetEditText(int col, int row) {
    std::string text = TCustomGrid::GetEditText(col, row);
    if (OnGetEditText)
        OnGetEditText(this, col, row, text);
    return text;
}

void TDrawGrid::SetEditText(int col, int row, const std::string& value) {
    if (OnSetEditText)
        OnSetEditText(this, col, row, value);
}

void TDrawGrid::ColumnMoved(int fromIndex, int toIndex) {
    if (OnColumnMoved)
        OnColumnMoved(this, fromIndex, toIndex);
}

void TDrawGrid::RowMoved(int fromIndex, int toIndex) {
    if (OnRowMoved)
        OnRowMoved(this, fromIndex, toIndex);
}

void TDrawGrid::TopLeftChanged() {
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged)
        OnTopLeftChanged(*this);
}

} // namespace zel
