// Moving the current cell, the anchor and the top-left cell, and the
// scroll bars that follow the top-left cell.

#include "grid/core/custom_grid.h"
#include "grid/core/grid_errors.h"

#include "framework/messages.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

namespace zel {
namespace {

// The scroll bars always run over this range, whatever the counts.
constexpr int kScrollRange = 127;

} // namespace

void TCustomGrid::MoveCurrent(int col, int row, bool moveAnchor, bool show) {
    if (col < 0 || row < 0 || col >= m_ColCount || row >= m_RowCount)
        RaiseGridError(msg::kGridIndexOutOfRange);
    if (!SelectCell(col, row))
        return;
    const TGridRect oldSel = Selection();
    const TGridCoord oldCurrent = m_Current;
    m_Current = {col, row};
    if (!m_Options.Contains(goAlwaysShowEditor))
        HideEditor();
    if (moveAnchor || !m_Options.Contains(goRangeSelect)) {
        m_Anchor = m_Current;
        if (m_Options.Contains(goRowSelect))
            m_Anchor.X = m_ColCount - 1;
    }
    if (m_Options.Contains(goRowSelect))
        m_Current.X = m_FixedCols;
    if (show)
        ClampInView(m_Current);
    SelectionMoved(oldSel);
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    InvalidateCell(m_Current.X, m_Current.Y);
}

void TCustomGrid::MoveAnchor(TGridCoord newAnchor) {
    if (!m_Options.Contains(goRangeSelect)) {
        MoveCurrent(newAnchor.X, newAnchor.Y, true, true);
        return;
    }
    const TGridRect oldSel = Selection();
    m_Anchor = newAnchor;
    if (m_Options.Contains(goRowSelect))
        m_Anchor.X = m_ColCount - 1;
    ClampInView(newAnchor);
    SelectionMoved(oldSel);
}

void TCustomGrid::FocusCell(int col, int row, bool moveAnchor) {
    MoveCurrent(col, row, moveAnchor, true);
    UpdateEdit();
    Click();
}

void TCustomGrid::MoveTopLeft(int left, int top) {
    if (left == m_TopLeft.X && top == m_TopLeft.Y)
        return;
    const TGridDrawInfo oldInfo = CalcDrawInfo();
    const TGridCoord oldTopLeft = m_TopLeft;
    m_TopLeft = {left, top};
    TopLeftMoved(oldTopLeft, oldInfo);
}

void TCustomGrid::TopLeftMoved(TGridCoord oldTopLeft, const TGridDrawInfo& oldInfo) {
    const TGridDrawInfo info = CalcDrawInfo();
    // Pixel distance between the old and the new first scrolling cell.
    auto distance = [](const TGridAxisDrawInfo& a, int oldFirst, int newFirst) {
        int d = 0;
        for (int i = std::min(oldFirst, newFirst); i < std::max(oldFirst, newFirst); ++i) {
            d += a.Extent(i) + a.EffectiveLineWidth;
            if (d > a.GridExtent)
                break;
        }
        return oldFirst < newFirst ? -d : d;
    };
    const int dx = distance(info.Horz, oldTopLeft.X, m_TopLeft.X);
    const int dy = distance(info.Vert, oldTopLeft.Y, m_TopLeft.Y);
    const int scrollWidth = oldInfo.Horz.GridExtent - oldInfo.Horz.FixedBoundary;
    const int scrollHeight = oldInfo.Vert.GridExtent - oldInfo.Vert.FixedBoundary;
    const bool bothAxes = dx != 0 && dy != 0;
    if (bothAxes || std::abs(dx) >= scrollWidth || std::abs(dy) >= scrollHeight ||
        m_GridState != gsNormal) {
        InvalidateGrid();
    } else if (dx != 0) {
        viewport()->scroll(dx, 0,
                           QRect(info.Horz.FixedBoundary, 0, scrollWidth, viewport()->height()));
    } else {
        viewport()->scroll(0, dy,
                           QRect(0, info.Vert.FixedBoundary, viewport()->width(), scrollHeight));
    }
    UpdateScrollPos();
    TopLeftChanged();
    UpdateEditorGeometry();
}

void TCustomGrid::UpdateScrollRange() {
    // Showing a bar shrinks the client area, which may call for the other
    // bar too; two rounds settle it.
    for (int round = 0; round < 2; ++round) {
        const TGridDrawInfo info = CalcDrawInfo();
        const TGridCoord maxTopLeft = CalcMaxTopLeft(info);
        const bool horz =
            (m_ScrollBars == ssHorizontal || m_ScrollBars == ssBoth) && maxTopLeft.X > m_FixedCols;
        const bool vert =
            (m_ScrollBars == ssVertical || m_ScrollBars == ssBoth) && maxTopLeft.Y > m_FixedRows;
        setHorizontalScrollBarPolicy(horz ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(vert ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }
    horizontalScrollBar()->setRange(0, kScrollRange);
    verticalScrollBar()->setRange(0, kScrollRange);
    horizontalScrollBar()->setPageStep(16);
    verticalScrollBar()->setPageStep(16);

    // The client may have grown: no need to scroll past the largest top-left.
    const TGridCoord maxTopLeft = CalcMaxTopLeft(CalcDrawInfo());
    const TGridCoord topLeft{
        std::clamp(m_TopLeft.X, m_FixedCols, std::max(m_FixedCols, maxTopLeft.X)),
        std::clamp(m_TopLeft.Y, m_FixedRows, std::max(m_FixedRows, maxTopLeft.Y))};
    if (!(topLeft == m_TopLeft))
        MoveTopLeft(topLeft.X, topLeft.Y);
    UpdateScrollPos();
}

void TCustomGrid::UpdateScrollPos() {
    const TGridCoord maxTopLeft = CalcMaxTopLeft(CalcDrawInfo());
    auto position = [](int topLeft, int fixed, int max) {
        if (max <= fixed)
            return 0;
        return std::clamp(static_cast<int>(static_cast<long long>(topLeft - fixed) * kScrollRange /
                                           (max - fixed)),
                          0, kScrollRange);
    };
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    if (!h->isSliderDown())
        h->setValue(position(m_TopLeft.X, m_FixedCols, maxTopLeft.X));
    if (!v->isSliderDown())
        v->setValue(position(m_TopLeft.Y, m_FixedRows, maxTopLeft.Y));
}

int TCustomGrid::ScrollPosToIndex(Qt::Orientation orientation, int pos) const {
    const TGridCoord maxTopLeft = CalcMaxTopLeft(CalcDrawInfo());
    const bool horz = orientation == Qt::Horizontal;
    const int fixed = horz ? m_FixedCols : m_FixedRows;
    const int max = horz ? maxTopLeft.X : maxTopLeft.Y;
    return fixed + static_cast<int>(static_cast<long long>(pos) * (max - fixed) / kScrollRange);
}

void TCustomGrid::ScrollBarAction(Qt::Orientation orientation, int action) {
    const bool horz = orientation == Qt::Horizontal;
    const TGridDrawInfo info = CalcDrawInfo();
    const TGridCoord maxTopLeft = CalcMaxTopLeft(info);
    const int fixed = horz ? m_FixedCols : m_FixedRows;
    const int max = std::max(fixed, horz ? maxTopLeft.X : maxTopLeft.Y);
    const int current = horz ? m_TopLeft.X : m_TopLeft.Y;
    const int page = std::max(1, horz ? info.Horz.LastFullVisibleCell - m_TopLeft.X + 1
                                      : info.Vert.LastFullVisibleCell - m_TopLeft.Y + 1);
    QScrollBar* bar = horz ? horizontalScrollBar() : verticalScrollBar();
    int next = current;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        next = current + 1;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        next = current - 1;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        next = current + page;
        break;
    case QAbstractSlider::SliderPageStepSub:
        next = current - page;
        break;
    case QAbstractSlider::SliderToMinimum:
        next = fixed;
        break;
    case QAbstractSlider::SliderToMaximum:
        next = max;
        break;
    case QAbstractSlider::SliderMove:
        // The thumb follows the pointer; the cells follow only when asked.
        if (m_Options.Contains(goThumbTracking)) {
            next = ScrollPosToIndex(orientation, bar->sliderPosition());
            next = std::clamp(next, fixed, max);
            if (horz)
                MoveTopLeft(next, m_TopLeft.Y);
            else
                MoveTopLeft(m_TopLeft.X, next);
        }
        return;
    default:
        return;
    }
    next = std::clamp(next, fixed, max);
    if (horz)
        MoveTopLeft(next, m_TopLeft.Y);
    else
        MoveTopLeft(m_TopLeft.X, next);
    UpdateScrollPos();
    bar->setSliderPosition(bar->value());
}

void TCustomGrid::ScrollBarReleased(Qt::Orientation orientation) {
    const bool horz = orientation == Qt::Horizontal;
    QScrollBar* bar = horz ? horizontalScrollBar() : verticalScrollBar();
    const int next = ScrollPosToIndex(orientation, bar->sliderPosition());
    const int fixed = horz ? m_FixedCols : m_FixedRows;
    const int count = horz ? m_ColCount : m_RowCount;
    if (horz)
        MoveTopLeft(std::clamp(next, fixed, count - 1), m_TopLeft.Y);
    else
        MoveTopLeft(m_TopLeft.X, std::clamp(next, fixed, count - 1));
    UpdateScrollPos();
}

void TCustomGrid::scrollContentsBy(int, int) {
    // The grid scrolls by cells itself; the bars only report positions.
}

void TCustomGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    GuardGridEvent([&] {
        UpdateScrollRange();
        UpdateEditorGeometry();
    });
}

} // namespace zel
