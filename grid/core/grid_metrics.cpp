// Draw metrics and the mapping between cells and viewport pixels.

#include "grid/core/custom_grid.h"
#include "grid/core/grid_axis.h"

#include <algorithm>

namespace zel {
namespace {

void CalcAxis(TGridAxisDrawInfo& a, int lineWidth, int clientExtent, int fixedCount,
              int firstGridCell, int cellCount, const std::optional<std::vector<int>>& extents,
              int defaultExtent) {
    a.EffectiveLineWidth = lineWidth;
    a.GridExtent = clientExtent;
    a.FixedCellCount = fixedCount;
    a.FirstGridCell = firstGridCell;
    a.GridCellCount = cellCount;
    a.Extents = extents ? &*extents : nullptr;
    a.DefaultExtent = defaultExtent;
    a.FixedBoundary = 0;
    // Fixed cells past the client hide the whole scrolling part; counting
    // them all would only cost time.
    for (int i = 0; i < fixedCount && a.FixedBoundary <= clientExtent; ++i)
        a.FixedBoundary += a.Extent(i) + lineWidth;
    a.GridBoundary = a.FixedBoundary;
    a.FullVisBoundary = a.FixedBoundary;
    a.LastFullVisibleCell = firstGridCell;
    for (int i = firstGridCell; i < cellCount; ++i) {
        a.GridBoundary += a.Extent(i) + lineWidth;
        // The line after a cell may fall outside; the cell still counts
        // as fully shown.
        if (a.GridBoundary > clientExtent + lineWidth) {
            a.GridBoundary = clientExtent;
            break;
        }
        a.LastFullVisibleCell = i;
        a.FullVisBoundary = a.GridBoundary;
    }
    a.GridBoundary = std::min(a.GridBoundary, clientExtent);
}

// The cell of an axis under a pixel; -1 when there is none.
int CellAt(const TGridAxisDrawInfo& a, int pos) {
    if (pos < 0 || pos >= a.GridBoundary)
        return -1;
    int hit = -1;
    auto find = [&](int i, int start, int extent) {
        if (pos >= start && pos < start + extent + a.EffectiveLineWidth) {
            hit = i;
            return false;
        }
        return true;
    };
    grid_axis::ForEachShown(a, pos < a.FixedBoundary, find);
    return hit;
}

} // namespace

TGridDrawInfo TCustomGrid::CalcDrawInfo() const {
    TGridDrawInfo info;
    const QRect client = viewport()->rect();
    const int lineWidth = std::clamp(m_GridLineWidth, 0, TGridAxisDrawInfo::kMaxDrawnExtent);
    CalcAxis(info.Horz, m_Options.Contains(goVertLine) ? lineWidth : 0, client.width(), m_FixedCols,
             m_TopLeft.X, m_ColCount, m_ColWidths, m_DefaultColWidth);
    CalcAxis(info.Vert, m_Options.Contains(goHorzLine) ? lineWidth : 0, client.height(),
             m_FixedRows, m_TopLeft.Y, m_RowCount, m_RowHeights, m_DefaultRowHeight);
    return info;
}

TGridCoord TCustomGrid::CalcMaxTopLeft(const TGridDrawInfo& info) const {
    return {grid_axis::FirstFitting(info.Horz, m_ColCount - 1),
            grid_axis::FirstFitting(info.Vert, m_RowCount - 1)};
}

QRect TCustomGrid::CellRect(int col, int row) const {
    const TGridDrawInfo info = CalcDrawInfo();
    int x = 0, w = 0, y = 0, h = 0;
    if (!grid_axis::CellSpan(info.Horz, col, x, w) || !grid_axis::CellSpan(info.Vert, row, y, h))
        return {};
    return QRect(x, y, w, h);
}

QRect TCustomGrid::BoxRect(const TGridRect& cells) const {
    const TGridDrawInfo info = CalcDrawInfo();
    auto span = [](const TGridAxisDrawInfo& a, int first, int last, int& lo, int& hi) {
        lo = a.GridExtent;
        hi = 0;
        auto take = [&](int i, int start, int extent) {
            if (i >= first && i <= last) {
                lo = std::min(lo, start);
                hi = std::max(hi, start + extent + a.EffectiveLineWidth);
            }
            return true;
        };
        grid_axis::ForEachShown(a, true, take);
        grid_axis::ForEachShown(a, false, take);
        return lo < hi;
    };
    int left = 0, right = 0, top = 0, bottom = 0;
    if (!span(info.Horz, cells.Left, cells.Right, left, right) ||
        !span(info.Vert, cells.Top, cells.Bottom, top, bottom))
        return {};
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) const {
    const TGridDrawInfo info = CalcDrawInfo();
    const TGridCoord coord{CellAt(info.Horz, x), CellAt(info.Vert, y)};
    if (coord.X < 0 || coord.Y < 0)
        return {-1, -1};
    return coord;
}

void TCustomGrid::ClampInView(TGridCoord coord) {
    const TGridDrawInfo info = CalcDrawInfo();
    TGridCoord topLeft = m_TopLeft;
    if (coord.X >= m_FixedCols) {
        if (coord.X < m_TopLeft.X)
            topLeft.X = coord.X;
        else if (coord.X > info.Horz.LastFullVisibleCell)
            topLeft.X = grid_axis::FirstFitting(info.Horz, coord.X);
    }
    if (coord.Y >= m_FixedRows) {
        if (coord.Y < m_TopLeft.Y)
            topLeft.Y = coord.Y;
        else if (coord.Y > info.Vert.LastFullVisibleCell)
            topLeft.Y = grid_axis::FirstFitting(info.Vert, coord.Y);
    }
    if (!(topLeft == m_TopLeft))
        MoveTopLeft(topLeft.X, topLeft.Y);
}

} // namespace zel
