// Painting: lines per area, then the cells of each area, then the row
// focus rectangle and the unused client area.

#include "grid/core/custom_grid.h"
#include "grid/core/grid_axis.h"
#include "grid/core/grid_errors.h"
#include "grid/core/inplace_edit.h"

#include <QPaintEvent>
#include <QPainter>
#include <vector>

namespace zel {

void TCustomGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    TGridCanvas canvas(painter);
    m_Canvas = &canvas;
    GuardGridEvent([&] { Paint(painter, event->rect()); });
    m_Canvas = nullptr;
}

void TCustomGrid::Paint(QPainter& painter, const QRect& clip) {
    const TGridDrawInfo info = CalcDrawInfo();
    // The background first, as an erase would: line slots whose lines are
    // switched off show the grid's colour.
    painter.fillRect(clip, ColorToQColor(m_Color));
    if (m_GridLineWidth > 0) {
        const bool fixedHorz = m_Options.Contains(goFixedHorzLine);
        const bool fixedVert = m_Options.Contains(goFixedVertLine);
        const TColor lineColor = m_Color == clSilver ? clGray : clSilver;
        DrawLineArea(painter, info, fixedHorz, fixedVert, clBlack, true, true);
        DrawLineArea(painter, info, fixedHorz, fixedVert, clBlack, false, true);
        DrawLineArea(painter, info, fixedHorz, fixedVert, clBlack, true, false);
        DrawLineArea(painter, info, m_Options.Contains(goHorzLine), m_Options.Contains(goVertLine),
                     lineColor, false, false);
    }

    DrawCellArea(clip, info, true, true);
    DrawCellArea(clip, info, false, true);
    DrawCellArea(clip, info, true, false);
    DrawCellArea(clip, info, false, false);

    if (m_Options.Contains(goRowSelect) && m_DefaultDrawing && IsActiveControl()) {
        const TGridRect sel = Selection();
        const QRect rows = BoxRect({m_FixedCols, sel.Top, m_ColCount - 1, sel.Bottom});
        if (!rows.isEmpty()) {
            QRect focus = rows.intersected(
                QRect(QPoint(info.Horz.FixedBoundary, info.Vert.FixedBoundary),
                      QPoint(info.Horz.GridBoundary - 1, info.Vert.GridBoundary - 1)));
            // Keep the mark inside the cells, off the lines after them.
            focus.adjust(0, 0, -info.Horz.EffectiveLineWidth, -info.Vert.EffectiveLineWidth);
            if (!focus.isEmpty())
                m_Canvas->DrawFocusRect(focus);
        }
    }

    const QRect client = viewport()->rect();
    const QColor background = ColorToQColor(m_Color);
    if (info.Horz.GridBoundary < client.width())
        painter.fillRect(QRect(info.Horz.GridBoundary, 0, client.width() - info.Horz.GridBoundary,
                               info.Vert.GridBoundary),
                         background);
    if (info.Vert.GridBoundary < client.height())
        painter.fillRect(QRect(0, info.Vert.GridBoundary, client.width(),
                               client.height() - info.Vert.GridBoundary),
                         background);

    DrawSizingLine(painter);
    DrawMoveIndicator(painter);
}

void TCustomGrid::DrawLineArea(QPainter& painter, const TGridDrawInfo& info, bool horzLines,
                               bool vertLines, TColor color, bool fixedCols, bool fixedRows) {
    if (!horzLines && !vertLines)
        return;
    const TGridAxisDrawInfo& h = info.Horz;
    const TGridAxisDrawInfo& v = info.Vert;
    const int left = fixedCols ? 0 : h.FixedBoundary;
    const int right = fixedCols ? std::min(h.FixedBoundary, h.GridExtent) : h.GridBoundary;
    const int top = fixedRows ? 0 : v.FixedBoundary;
    const int bottom = fixedRows ? std::min(v.FixedBoundary, v.GridExtent) : v.GridBoundary;
    if (left >= right || top >= bottom)
        return;
    // Every line sits just after its cell and is as thick as the grid's
    // line width, so it is filled rather than stroked.
    const int width = std::clamp(m_GridLineWidth, 0, TGridAxisDrawInfo::kMaxDrawnExtent);
    std::vector<QRect> lines;
    if (vertLines)
        grid_axis::ForEachShown(h, fixedCols, [&](int, int start, int extent) {
            lines.emplace_back(start + extent, top, width, bottom - top);
            return true;
        });
    if (horzLines)
        grid_axis::ForEachShown(v, fixedRows, [&](int, int start, int extent) {
            lines.emplace_back(left, start + extent, right - left, width);
            return true;
        });
    const QColor qcolor = ColorToQColor(color);
    for (const QRect& line : lines)
        painter.fillRect(line, qcolor);
}

void TCustomGrid::DrawCellArea(const QRect& clip, const TGridDrawInfo& info, bool fixedCols,
                               bool fixedRows) {
    const TGridRect sel = Selection();
    const bool active = IsActiveControl();
    // The editor covers the current cell only while it is on screen: a
    // press outside the cells hides it and leaves editor mode on.
    const bool editorShown = m_Options.Contains(goEditing) && m_EditorMode && m_InplaceEdit &&
                             m_InplaceEdit->isVisible();
    const bool fixedArea = fixedCols || fixedRows;
    grid_axis::ForEachShown(info.Vert, fixedRows, [&](int row, int y, int height) {
        if (y >= clip.bottom() + 1)
            return false;
        if (y + height <= clip.top() || height <= 0)
            return true;
        grid_axis::ForEachShown(info.Horz, fixedCols, [&](int col, int x, int width) {
            if (x >= clip.right() + 1)
                return false;
            const QRect where(x, y, width, height);
            if (width <= 0 || !where.intersects(clip))
                return true;
            TGridDrawState state;
            if (fixedArea)
                state += gdFixed;
            const bool focused = active && col == m_Current.X && row == m_Current.Y;
            if (focused)
                state += gdFocused;
            if (!fixedArea && sel.Contains(col, row))
                state += gdSelected;
            if (focused && editorShown)
                return true;
            if (m_DefaultDrawing) {
                m_Canvas->SetFont(font());
                m_Canvas->SetFontColor(clWindowText);
                if (state.Contains(gdSelected) &&
                    (!focused || m_Options.Contains(goDrawFocusSelected) ||
                     m_Options.Contains(goRowSelect))) {
                    m_Canvas->SetBrushColor(clHighlight);
                    m_Canvas->SetFontColor(clHighlightText);
                } else {
                    m_Canvas->SetBrushColor(fixedArea ? m_FixedColor : m_Color);
                }
                m_Canvas->FillRect(where);
            }
            m_Canvas->Painter().save();
            DrawCell(col, row, where, state);
            m_Canvas->Painter().restore();
            if (m_DefaultDrawing && fixedArea && m_Ctl3D)
                DrawFixedEdges(where);
            if (m_DefaultDrawing && focused &&
                !(m_Options.Contains(goEditing) && m_Options.Contains(goAlwaysShowEditor)) &&
                !m_Options.Contains(goRowSelect))
                m_Canvas->DrawFocusRect(where);
            return true;
        });
        return true;
    });
}

void TCustomGrid::DrawFixedEdges(const QRect& where) {
    // A raised inner edge on the sides that the fixed lines border.
    const bool vert = m_Options.Contains(goFixedVertLine);
    const bool horz = m_Options.Contains(goFixedHorzLine);
    if (!vert && !horz)
        return;
    QPainter& p = m_Canvas->Painter();
    const QColor light = ColorToQColor(clBtnHighlight);
    const QColor shadow = ColorToQColor(clBtnShadow);
    const int l = where.left(), t = where.top(), r = where.right(), b = where.bottom();
    if (vert) {
        p.fillRect(QRect(r, t, 1, where.height()), shadow);
        p.fillRect(QRect(l, t, 1, where.height() - 1), light);
    }
    if (horz) {
        p.fillRect(QRect(l, b, where.width(), 1), shadow);
        p.fillRect(QRect(l, t, where.width() - 1, 1), light);
    }
}

void TCustomGrid::InvalidateCell(int col, int row) {
    InvalidateRect({col, row, col, row});
}

void TCustomGrid::InvalidateCol(int col) {
    InvalidateRect({col, 0, col, m_RowCount - 1});
}

void TCustomGrid::InvalidateRow(int row) {
    InvalidateRect({0, row, m_ColCount - 1, row});
}

void TCustomGrid::InvalidateGrid() {
    viewport()->update();
}

void TCustomGrid::InvalidateRect(const TGridRect& cells) {
    const QRect rect = BoxRect(cells);
    if (!rect.isEmpty())
        viewport()->update(rect);
}

void TCustomGrid::SelectionMoved(const TGridRect& oldSel) {
    const TGridRect sel = Selection();
    if (oldSel == sel)
        return;
    InvalidateRect(oldSel);
    InvalidateRect(sel);
}

} // namespace zel
