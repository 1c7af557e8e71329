// The mouse on the grid: selecting cells (with the timed scroll while the
// pointer is outside), sizing and moving columns and rows, the wheel.

#include "grid/core/custom_grid.h"
#include "grid/core/grid_axis.h"
#include "grid/core/grid_errors.h"
#include "grid/core/inplace_edit.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace zel {
namespace {

// Timed scroll while selecting with the pointer outside the cells.
constexpr int kScrollTimerInterval = 60;
// The sizing hot band around a thin line.
constexpr int kSizingBand = 7;

// Index and line start of the cell whose trailing line is under `pos`.
bool LineAt(const TGridAxisDrawInfo& a, int pos, int& index, int& lineStart) {
    const int lw = a.EffectiveLineWidth;
    bool found = false;
    auto test = [&](int i, int start, int extent) {
        const int line = start + extent;
        int lo = line, hi = line + lw;
        if (lw < kSizingBand) {
            const int centre = line + lw / 2;
            lo = centre - kSizingBand / 2;
            hi = lo + kSizingBand;
        }
        if (pos >= lo && pos < hi) {
            index = i;
            lineStart = line;
            found = true;
        }
        return !found;
    };
    grid_axis::ForEachShown(a, true, test);
    if (!found)
        grid_axis::ForEachShown(a, false, test);
    return found;
}

// The cell a dragged column or row would land on.
int DropIndex(const TGridAxisDrawInfo& a, int pos) {
    if (pos < a.FixedBoundary)
        return a.FixedCellCount;
    int hit = a.GridCellCount - 1;
    grid_axis::ForEachShown(a, false, [&](int i, int start, int extent) {
        if (pos < start + extent + a.EffectiveLineWidth) {
            hit = i;
            return false;
        }
        hit = i;
        return true;
    });
    return hit;
}

} // namespace

TGridState TCustomGrid::CalcSizingState(int x, int y, int& sizingIndex, int& sizingPos,
                                        int& sizingOfs, const TGridDrawInfo& info) {
    int index = -1, lineStart = 0;
    if (m_Options.Contains(goColSizing) && y < info.Vert.FixedBoundary &&
        LineAt(info.Horz, x, index, lineStart)) {
        sizingIndex = index;
        sizingPos = lineStart;
        sizingOfs = x - lineStart;
        return gsColSizing;
    }
    if (m_Options.Contains(goRowSizing) && x < info.Horz.FixedBoundary &&
        LineAt(info.Vert, y, index, lineStart)) {
        sizingIndex = index;
        sizingPos = lineStart;
        sizingOfs = y - lineStart;
        return gsRowSizing;
    }
    return gsNormal;
}

void TCustomGrid::mousePressEvent(QMouseEvent* event) {
    GuardGridEvent([&] {
        const QPoint pos = event->position().toPoint();
        if (event->button() == Qt::LeftButton)
            m_LastLeftPressTime = static_cast<qint64>(event->timestamp());
        MouseDown(event->button(), event->modifiers(), pos.x(), pos.y(), false);
    });
}

void TCustomGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    GuardGridEvent([&] {
        const QPoint pos = event->position().toPoint();
        MouseDown(event->button(), event->modifiers(), pos.x(), pos.y(), true);
    });
}

void TCustomGrid::mouseMoveEvent(QMouseEvent* event) {
    GuardGridEvent([&] {
        const QPoint pos = event->position().toPoint();
        MouseMove(event->modifiers(), pos.x(), pos.y());
    });
}

void TCustomGrid::mouseReleaseEvent(QMouseEvent* event) {
    GuardGridEvent([&] {
        const QPoint pos = event->position().toPoint();
        MouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
    });
}

void TCustomGrid::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y,
                            bool doubleClick) {
    HideEdit();
    // A grid that never takes the focus (a month grid dropped down under an
    // editor that keeps it) still selects with the mouse; one that can take
    // it but does not get it ignores the press.
    if (!IsActiveControl() && focusPolicy() != Qt::NoFocus) {
        setFocus(Qt::MouseFocusReason);
        if (!IsActiveControl())
            return;
        // Taking the focus may have brought the editor back.
        HideEdit();
    }
    if (button != Qt::LeftButton)
        return;
    if (doubleClick) {
        DblClick();
        return;
    }
    m_LastMousePos = QPoint(x, y);
    const TGridDrawInfo info = CalcDrawInfo();
    const TGridState sizing = CalcSizingState(x, y, m_SizingIndex, m_SizingPos, m_SizingOfs, info);
    if (sizing != gsNormal) {
        m_GridState = sizing;
        viewport()->update();
        return;
    }
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0)
        return;
    const QPoint pt(x, y);
    if (m_Options.Contains(goColMoving) && cell.Y < m_FixedRows && cell.X >= m_FixedCols) {
        int origin = cell.X;
        if (BeginColumnDrag(origin, pt))
            StartMoving(gsColMoving, origin, pt);
        return;
    }
    if (m_Options.Contains(goRowMoving) && cell.X < m_FixedCols && cell.Y >= m_FixedRows) {
        int origin = cell.Y;
        if (BeginRowDrag(origin, pt))
            StartMoving(gsRowMoving, origin, pt);
        return;
    }
    if (cell.X < m_FixedCols || cell.Y < m_FixedRows)
        return;
    if (m_Options.Contains(goEditing)) {
        if (cell == m_Current) {
            ShowEditor();
        } else {
            MoveCurrent(cell.X, cell.Y, true, true);
            UpdateEdit();
        }
        Click();
        return;
    }
    m_GridState = gsSelecting;
    m_ScrollTimer->Start(kScrollTimerInterval);
    if (shift.testFlag(Qt::ShiftModifier))
        MoveAnchor(cell);
    else
        MoveCurrent(cell.X, cell.Y, true, true);
}

void TCustomGrid::StartMoving(TGridState state, int index, const QPoint&) {
    m_GridState = state;
    m_MoveIndex = index;
    m_MovePos = index;
    viewport()->update();
}

void TCustomGrid::MouseMove(Qt::KeyboardModifiers, int x, int y) {
    m_LastMousePos = QPoint(x, y);
    const TGridDrawInfo info = CalcDrawInfo();
    const QPoint pt(x, y);
    switch (m_GridState) {
    case gsSelecting: {
        const TGridCoord cell = MouseCoord(x, y);
        if (cell.X < m_FixedCols || cell.Y < m_FixedRows)
            return;
        if (m_Options.Contains(goRangeSelect)) {
            if (!(cell == m_Anchor))
                MoveAnchor(cell);
        } else if (!(cell == m_Current)) {
            MoveCurrent(cell.X, cell.Y, true, true);
        }
        return;
    }
    case gsColSizing:
    case gsRowSizing: {
        const bool cols = m_GridState == gsColSizing;
        int start = 0, extent = 0;
        if (grid_axis::CellSpan(cols ? info.Horz : info.Vert, m_SizingIndex, start, extent))
            m_SizingPos = std::max(start, (cols ? x : y) - m_SizingOfs);
        viewport()->update();
        return;
    }
    case gsColMoving:
    case gsRowMoving: {
        const bool cols = m_GridState == gsColMoving;
        int origin = m_MoveIndex;
        int destination = DropIndex(cols ? info.Horz : info.Vert, cols ? x : y);
        const bool accepted =
            cols ? CheckColumnDrag(origin, destination, pt) : CheckRowDrag(origin, destination, pt);
        if (accepted) {
            m_MoveIndex = origin;
            m_MovePos = destination;
        }
        viewport()->update();
        return;
    }
    case gsNormal: {
        int index = 0, pos = 0, ofs = 0;
        const TGridState hover = CalcSizingState(x, y, index, pos, ofs, info);
        if (hover == gsColSizing)
            viewport()->setCursor(Qt::SplitHCursor);
        else if (hover == gsRowSizing)
            viewport()->setCursor(Qt::SplitVCursor);
        else
            viewport()->unsetCursor();
        return;
    }
    }
}

void TCustomGrid::MouseUp(Qt::MouseButton, Qt::KeyboardModifiers shift, int x, int y) {
    const TGridState state = m_GridState;
    switch (state) {
    case gsSelecting:
        MouseMove(shift, x, y);
        m_ScrollTimer->Stop();
        m_GridState = gsNormal;
        UpdateEdit();
        Click();
        break;
    case gsColSizing:
    case gsRowSizing:
        m_GridState = gsNormal;
        FinishSizing(state == gsColSizing, x, y);
        break;
    case gsColMoving:
    case gsRowMoving:
        m_GridState = gsNormal;
        FinishMoving(state == gsColMoving, x, y);
        break;
    case gsNormal:
        break;
    }
    viewport()->update();
}

void TCustomGrid::FinishSizing(bool columns, int x, int y) {
    if (m_SizingIndex < 0)
        return;
    const TGridDrawInfo info = CalcDrawInfo();
    int start = 0, extent = 0;
    if (!grid_axis::CellSpan(columns ? info.Horz : info.Vert, m_SizingIndex, start, extent))
        return;
    const int width = std::max(0, (columns ? x : y) - m_SizingOfs - start);
    if (columns)
        SetColWidths(m_SizingIndex, width);
    else
        SetRowHeights(m_SizingIndex, width);
}

void TCustomGrid::FinishMoving(bool columns, int x, int y) {
    const TGridDrawInfo info = CalcDrawInfo();
    int origin = m_MoveIndex;
    int destination = DropIndex(columns ? info.Horz : info.Vert, columns ? x : y);
    const QPoint pt(x, y);
    const bool accepted =
        columns ? EndColumnDrag(origin, destination, pt) : EndRowDrag(origin, destination, pt);
    m_MoveIndex = -1;
    m_MovePos = -1;
    if (!accepted || origin == destination)
        return;
    if (columns)
        MoveColumn(origin, destination);
    else
        MoveRow(origin, destination);
}

void TCustomGrid::DrawSizingLine(QPainter& painter) const {
    if (m_GridState != gsColSizing && m_GridState != gsRowSizing)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QRect client = viewport()->rect();
    const QRect line =
        m_GridState == gsColSizing
            ? QRect(m_SizingPos, 0,
                    std::clamp(m_GridLineWidth, 1, TGridAxisDrawInfo::kMaxDrawnExtent),
                    client.height())
            : QRect(0, m_SizingPos, client.width(),
                    std::clamp(m_GridLineWidth, 1, TGridAxisDrawInfo::kMaxDrawnExtent));
    painter.fillRect(line, Qt::white);
    painter.restore();
}

void TCustomGrid::DrawMoveIndicator(QPainter& painter) const {
    if ((m_GridState != gsColMoving && m_GridState != gsRowMoving) || m_MovePos < 0)
        return;
    const bool cols = m_GridState == gsColMoving;
    const TGridDrawInfo info = CalcDrawInfo();
    int start = 0, extent = 0;
    if (!grid_axis::CellSpan(cols ? info.Horz : info.Vert, m_MovePos, start, extent))
        return;
    // The edge the moved cell would be put against.
    const int edge = m_MovePos > m_MoveIndex ? start + extent : start;
    const QRect client = viewport()->rect();
    painter.fillRect(cols ? QRect(edge - 1, 0, 3, client.height())
                          : QRect(0, edge - 1, client.width(), 3),
                     ColorToQColor(clBlack));
}

void TCustomGrid::SetScrollTimer(std::unique_ptr<TRepeatTimer> timer) {
    if (m_ScrollTimer)
        m_ScrollTimer->Stop();
    m_ScrollTimer = std::move(timer);
    m_ScrollTimer->OnTimeout = [this] { GuardGridEvent([this] { TimedScrollTick(); }); };
}

void TCustomGrid::TimedScrollTick() {
    if (m_GridState != gsSelecting) {
        m_ScrollTimer->Stop();
        return;
    }
    const TGridDrawInfo info = CalcDrawInfo();
    const int x = m_LastMousePos.x();
    const int y = m_LastMousePos.y();
    const bool left = x < info.Horz.FixedBoundary;
    const bool right = x >= info.Horz.FullVisBoundary;
    const bool up = y < info.Vert.FixedBoundary;
    const bool down = y >= info.Vert.FullVisBoundary;
    if (left || right || up || down)
        TimedScroll(left, right, up, down);
}

void TCustomGrid::TimedScroll(bool left, bool right, bool up, bool down) {
    // One cell per tick towards the pointer: the selection's far corner
    // goes to the first cell past the edge, which scrolls it into view.
    const bool range = m_Options.Contains(goRangeSelect);
    const TGridDrawInfo info = CalcDrawInfo();
    TGridCoord corner = range ? m_Anchor : m_Current;
    if (left)
        corner.X = m_TopLeft.X - 1;
    if (right)
        corner.X = info.Horz.LastFullVisibleCell + 1;
    if (up)
        corner.Y = m_TopLeft.Y - 1;
    if (down)
        corner.Y = info.Vert.LastFullVisibleCell + 1;
    corner.X = std::clamp(corner.X, m_FixedCols, m_ColCount - 1);
    corner.Y = std::clamp(corner.Y, m_FixedRows, m_RowCount - 1);
    if (corner == (range ? m_Anchor : m_Current))
        return;
    if (range)
        MoveAnchor(corner);
    else
        MoveCurrent(corner.X, corner.Y, true, true);
}

void TCustomGrid::wheelEvent(QWheelEvent* event) {
    GuardGridEvent([&] {
        m_WheelAccumulator += event->angleDelta().y();
        const QPoint pos = event->position().toPoint();
        while (m_WheelAccumulator >= QWheelEvent::DefaultDeltasPerStep) {
            m_WheelAccumulator -= QWheelEvent::DefaultDeltasPerStep;
            DoMouseWheelUp(event->modifiers(), pos);
        }
        while (m_WheelAccumulator <= -QWheelEvent::DefaultDeltasPerStep) {
            m_WheelAccumulator += QWheelEvent::DefaultDeltasPerStep;
            DoMouseWheelDown(event->modifiers(), pos);
        }
    });
    event->accept();
}

bool TCustomGrid::DoMouseWheelDown(Qt::KeyboardModifiers shift, QPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, shift, mousePos, handled);
    if (!handled && m_Current.Y < m_RowCount - 1)
        SetRow(m_Current.Y + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(Qt::KeyboardModifiers shift, QPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, shift, mousePos, handled);
    if (!handled && m_Current.Y > m_FixedRows)
        SetRow(m_Current.Y - 1);
    return true;
}

bool TCustomGrid::BeginColumnDrag(int&, const QPoint&) {
    return true;
}
bool TCustomGrid::BeginRowDrag(int&, const QPoint&) {
    return true;
}
bool TCustomGrid::CheckColumnDrag(int&, int&, const QPoint&) {
    return true;
}
bool TCustomGrid::CheckRowDrag(int&, int&, const QPoint&) {
    return true;
}
bool TCustomGrid::EndColumnDrag(int&, int&, const QPoint&) {
    return true;
}
bool TCustomGrid::EndRowDrag(int&, int&, const QPoint&) {
    return true;
}

} // namespace zel
