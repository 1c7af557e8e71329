// Counts, fixed counts, extents and the other properties of the grid core.

#include "grid/core/custom_grid.h"

#include "framework/messages.h"
#include "grid/core/grid_errors.h"
#include "grid/core/inplace_edit.h"

#include <QScrollBar>
#include <algorithm>

namespace zel {
namespace {

// Counts at or above this cannot be held in the extent arrays.
constexpr int kMaxGridCount = 134'217'726;

void CheckExtentIndex(int index, int count) {
    if (index < 0 || index >= count)
        RaiseGridError(msg::kGridIndexOutOfRange);
}

void ResizeExtents(std::optional<std::vector<int>>& extents, int newCount, int defaultValue) {
    if (extents)
        extents->resize(static_cast<std::size_t>(newCount), defaultValue);
}

} // namespace

TCustomGrid::TCustomGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    SetBorderStyle(m_BorderStyle);
    SetScrollTimer(std::make_unique<TQtRepeatTimer>());
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        const Qt::Orientation orientation = bar->orientation();
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, orientation](int action) {
            GuardGridEvent([&] { ScrollBarAction(orientation, action); });
        });
        connect(bar, &QAbstractSlider::sliderReleased, this,
                [this, orientation] { GuardGridEvent([&] { ScrollBarReleased(orientation); }); });
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resize(m_ColCount * m_DefaultColWidth, m_RowCount * m_DefaultRowHeight);
    Initialize();
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::Initialize() {
    m_TopLeft = {m_FixedCols, m_FixedRows};
    m_Current = m_TopLeft;
    m_Anchor = m_Current;
    if (m_Options.Contains(goRowSelect))
        m_Anchor.X = m_ColCount - 1;
}

void TCustomGrid::SetColCount(int value) {
    if (value == m_ColCount)
        return;
    if (value < 1)
        value = 1;
    if (value <= m_FixedCols)
        m_FixedCols = value - 1;
    ChangeSize(value, m_RowCount);
    if (m_Options.Contains(goRowSelect)) {
        m_Anchor.X = m_ColCount - 1;
        InvalidateGrid();
    }
}

void TCustomGrid::SetRowCount(int value) {
    if (value == m_RowCount)
        return;
    if (value < 1)
        value = 1;
    if (value <= m_FixedRows)
        m_FixedRows = value - 1;
    ChangeSize(m_ColCount, value);
}

void TCustomGrid::ChangeSize(int newColCount, int newRowCount) {
    const int oldColCount = m_ColCount;
    const int oldRowCount = m_RowCount;
    try {
        ApplySize(newColCount, newRowCount);
        SizeChanged(oldColCount, oldRowCount);
    } catch (...) {
        // Put the grid back as it was before telling anyone.
        try {
            ApplySize(oldColCount, oldRowCount);
            SizeChanged(oldColCount, oldRowCount);
        } catch (...) {
        }
        InvalidateGrid();
        throw;
    }
}

void TCustomGrid::ApplySize(int newColCount, int newRowCount) {
    if (newColCount < 0 || newRowCount < 0)
        RaiseGridError(msg::kTooManyDeleted);
    if (newColCount >= kMaxGridCount || newRowCount >= kMaxGridCount)
        RaiseGridError(msg::kGridTooLarge);
    const TGridDrawInfo oldInfo = CalcDrawInfo();
    const TGridCoord oldTopLeft = m_TopLeft;
    m_ColCount = newColCount;
    m_RowCount = newRowCount;
    if (m_FixedCols >= m_ColCount)
        m_FixedCols = m_ColCount - 1;
    if (m_FixedRows >= m_RowCount)
        m_FixedRows = m_RowCount - 1;
    ResizeExtents(m_ColWidths, m_ColCount, m_DefaultColWidth);
    ResizeExtents(m_RowHeights, m_RowCount, m_DefaultRowHeight);
    ResizeExtents(m_TabStops, m_ColCount, 1);

    const TGridCoord clamped{std::min(m_Current.X, m_ColCount - 1),
                             std::min(m_Current.Y, m_RowCount - 1)};
    if (!(clamped == m_Current)) {
        // The cell the editor held is gone from view; its text is written
        // back before the editor leaves it.
        HideEditor();
        m_Current = clamped;
        m_Anchor = clamped;
        if (m_Options.Contains(goRowSelect))
            m_Anchor.X = m_ColCount - 1;
    }
    m_Anchor.X = std::min(m_Anchor.X, m_ColCount - 1);
    m_Anchor.Y = std::min(m_Anchor.Y, m_RowCount - 1);
    m_TopLeft.X = std::clamp(m_TopLeft.X, m_FixedCols, m_ColCount - 1);
    m_TopLeft.Y = std::clamp(m_TopLeft.Y, m_FixedRows, m_RowCount - 1);

    if (!(m_TopLeft == oldTopLeft)) {
        InvalidateGrid();
    } else {
        // Only the strip where cells appeared or vanished needs painting.
        const TGridDrawInfo info = CalcDrawInfo();
        const QRect client = viewport()->rect();
        const int x = std::min(oldInfo.Horz.GridBoundary, info.Horz.GridBoundary);
        const int y = std::min(oldInfo.Vert.GridBoundary, info.Vert.GridBoundary);
        viewport()->update(QRect(x, 0, client.width() - x, client.height()));
        viewport()->update(QRect(0, y, client.width(), client.height() - y));
        if (m_Options.Contains(goRowSelect))
            InvalidateGrid();
    }
    UpdateScrollRange();
}

void TCustomGrid::SetFixedCols(int value) {
    if (value < 0)
        RaiseGridError(msg::kGridIndexOutOfRange);
    if (value >= m_ColCount)
        RaiseGridError(msg::kFixedColTooBig);
    m_FixedCols = value;
    Initialize();
    InvalidateGrid();
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::SetFixedRows(int value) {
    if (value < 0)
        RaiseGridError(msg::kGridIndexOutOfRange);
    if (value >= m_RowCount)
        RaiseGridError(msg::kFixedRowTooBig);
    m_FixedRows = value;
    Initialize();
    InvalidateGrid();
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::SetDefaultColWidth(int value) {
    m_ColWidths.reset();
    m_DefaultColWidth = value;
    ColWidthsChanged();
    InvalidateGrid();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
    m_RowHeights.reset();
    m_DefaultRowHeight = value;
    RowHeightsChanged();
    InvalidateGrid();
}

void TCustomGrid::SetGridLineWidth(int value) {
    if (value == m_GridLineWidth)
        return;
    m_GridLineWidth = value;
    UpdateScrollRange();
    InvalidateGrid();
    UpdateEdit();
}

int TCustomGrid::ColWidths(int index) const {
    CheckExtentIndex(index, m_ColCount);
    return m_ColWidths ? (*m_ColWidths)[static_cast<std::size_t>(index)] : m_DefaultColWidth;
}

void TCustomGrid::SetColWidths(int index, int value) {
    CheckExtentIndex(index, m_ColCount);
    if (!m_ColWidths)
        m_ColWidths.emplace(static_cast<std::size_t>(m_ColCount), m_DefaultColWidth);
    int& width = (*m_ColWidths)[static_cast<std::size_t>(index)];
    if (width == value)
        return;
    width = value;
    ColWidthsChanged();
    InvalidateGrid();
}

int TCustomGrid::RowHeights(int index) const {
    CheckExtentIndex(index, m_RowCount);
    return m_RowHeights ? (*m_RowHeights)[static_cast<std::size_t>(index)] : m_DefaultRowHeight;
}

void TCustomGrid::SetRowHeights(int index, int value) {
    CheckExtentIndex(index, m_RowCount);
    if (!m_RowHeights)
        m_RowHeights.emplace(static_cast<std::size_t>(m_RowCount), m_DefaultRowHeight);
    int& height = (*m_RowHeights)[static_cast<std::size_t>(index)];
    if (height == value)
        return;
    height = value;
    RowHeightsChanged();
    InvalidateGrid();
}

bool TCustomGrid::TabStops(int index) const {
    CheckExtentIndex(index, m_ColCount);
    return !m_TabStops || (*m_TabStops)[static_cast<std::size_t>(index)] != 0;
}

void TCustomGrid::SetTabStops(int index, bool value) {
    CheckExtentIndex(index, m_ColCount);
    if (!m_TabStops)
        m_TabStops.emplace(static_cast<std::size_t>(m_ColCount), 1);
    (*m_TabStops)[static_cast<std::size_t>(index)] = value ? 1 : 0;
}

void TCustomGrid::SetOptions(TGridOptions value) {
    if (value == m_Options)
        return;
    const bool rowSelectAdded = value.Contains(goRowSelect) && !m_Options.Contains(goRowSelect);
    m_Options = value;
    setAttribute(Qt::WA_InputMethodEnabled, value.Contains(goEditing));
    if (value.Contains(goAlwaysShowEditor))
        ShowEditor();
    else if (!value.Contains(goEditing) || value.Contains(goRowSelect))
        HideEditor();
    if (rowSelectAdded)
        MoveCurrent(m_Current.X, m_Current.Y, true, false);
    UpdateScrollRange();
    InvalidateGrid();
}

void TCustomGrid::SetFixedColor(TColor value) {
    if (value == m_FixedColor)
        return;
    m_FixedColor = value;
    InvalidateGrid();
}

void TCustomGrid::SetColor(TColor value) {
    if (value == m_Color)
        return;
    m_Color = value;
    InvalidateGrid();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
    m_ScrollBars = value;
    UpdateScrollRange();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
    m_BorderStyle = value;
    // A sunken two-pixel client edge, as single-border windows have.
    if (value == bsSingle) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

void TCustomGrid::SetDefaultDrawing(bool value) {
    m_DefaultDrawing = value;
    InvalidateGrid();
}

void TCustomGrid::SetCtl3D(bool value) {
    m_Ctl3D = value;
    InvalidateGrid();
}

void TCustomGrid::SetTabStop(bool value) {
    setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

void TCustomGrid::SetCol(int value) {
    if (value != m_Current.X)
        FocusCell(value, m_Current.Y, true);
}

void TCustomGrid::SetRow(int value) {
    if (value != m_Current.Y)
        FocusCell(m_Current.X, value, true);
}

TGridRect TCustomGrid::Selection() const {
    return {std::min(m_Current.X, m_Anchor.X), std::min(m_Current.Y, m_Anchor.Y),
            std::max(m_Current.X, m_Anchor.X), std::max(m_Current.Y, m_Anchor.Y)};
}

void TCustomGrid::SetSelection(TGridRect value) {
    const TGridRect oldSel = Selection();
    m_Anchor = {value.Left, value.Top};
    m_Current = {value.Right, value.Bottom};
    SelectionMoved(oldSel);
}

void TCustomGrid::SetLeftCol(int value) {
    if (value != m_TopLeft.X)
        MoveTopLeft(std::clamp(value, m_FixedCols, m_ColCount - 1), m_TopLeft.Y);
}

void TCustomGrid::SetTopRow(int value) {
    if (value != m_TopLeft.Y)
        MoveTopLeft(m_TopLeft.X, std::clamp(value, m_FixedRows, m_RowCount - 1));
}

int TCustomGrid::VisibleColCount() const {
    return CalcDrawInfo().Horz.LastFullVisibleCell - m_TopLeft.X + 1;
}

int TCustomGrid::VisibleRowCount() const {
    return CalcDrawInfo().Vert.LastFullVisibleCell - m_TopLeft.Y + 1;
}

void TCustomGrid::MoveColumn(int fromIndex, int toIndex) {
    if (fromIndex == toIndex)
        return;
    CheckExtentIndex(fromIndex, m_ColCount);
    CheckExtentIndex(toIndex, m_ColCount);
    auto move = [&](std::optional<std::vector<int>>& extents) {
        if (!extents)
            return;
        auto& v = *extents;
        if (fromIndex < toIndex)
            std::rotate(v.begin() + fromIndex, v.begin() + fromIndex + 1, v.begin() + toIndex + 1);
        else
            std::rotate(v.begin() + toIndex, v.begin() + fromIndex, v.begin() + fromIndex + 1);
    };
    move(m_ColWidths);
    move(m_TabStops);
    ColumnMoved(fromIndex, toIndex);
    if (m_ColWidths)
        ColWidthsChanged();
    InvalidateGrid();
}

void TCustomGrid::MoveRow(int fromIndex, int toIndex) {
    if (fromIndex == toIndex)
        return;
    CheckExtentIndex(fromIndex, m_RowCount);
    CheckExtentIndex(toIndex, m_RowCount);
    if (m_RowHeights) {
        auto& v = *m_RowHeights;
        if (fromIndex < toIndex)
            std::rotate(v.begin() + fromIndex, v.begin() + fromIndex + 1, v.begin() + toIndex + 1);
        else
            std::rotate(v.begin() + toIndex, v.begin() + fromIndex, v.begin() + fromIndex + 1);
    }
    RowMoved(fromIndex, toIndex);
    if (m_RowHeights)
        RowHeightsChanged();
    InvalidateGrid();
}

// The hooks' own behaviour.

TInplaceEdit* TCustomGrid::CreateEditor() {
    return new TInplaceEdit(this);
}

bool TCustomGrid::SelectCell(int, int) {
    return true;
}

void TCustomGrid::DeleteColumn(int col) {
    MoveColumn(col, m_ColCount - 1);
    SetColCount(m_ColCount - 1);
}

void TCustomGrid::DeleteRow(int row) {
    MoveRow(row, m_RowCount - 1);
    SetRowCount(m_RowCount - 1);
}

bool TCustomGrid::CanEditAcceptKey(const std::string&) {
    return true;
}

bool TCustomGrid::CanGridAcceptKey(int, Qt::KeyboardModifiers) {
    return true;
}

bool TCustomGrid::CanEditModify() {
    return m_CanEditModify;
}

std::string TCustomGrid::GetEditText(int, int) {
    return {};
}

void TCustomGrid::SetEditText(int, int, const std::string&) {}

std::string TCustomGrid::GetEditMask(int, int) {
    return {};
}

int TCustomGrid::GetEditLimit() {
    return 0;
}

void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}
void TCustomGrid::SizeChanged(int, int) {}
void TCustomGrid::TopLeftChanged() {}

void TCustomGrid::ColWidthsChanged() {
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::RowHeightsChanged() {
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::Click() {
    if (OnClick)
        OnClick(*this);
}

void TCustomGrid::DblClick() {
    if (OnDblClick)
        OnDblClick(*this);
}

} // namespace zel
