// The editor with buttons: its style for the current column, the room it
// leaves for the button, the spin steps, keys and focus.

#include "grid/editor/inplace_edit_3d.h"

#include "framework/number_text.h"
#include "grid/calendar/calendar_popup.h"
#include "grid/columns/column_string_grid.h"
#include "grid/core/grid_errors.h"
#include "grid/editor/pop_list_box.h"
#include "grid/editor/spin_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>
#include <limits>
#include <utility>

namespace zel {
namespace {

// The sunken frame around the editor.
constexpr int kFrame = 2;
// The spin button's height when it is created, before the first resize.
constexpr int kSpinHeight = 17;

TEditStyle StyleFor(TMOColumnButtonStyle style) {
    switch (style) {
    case cbsEllipsis:
        return esEllipsis;
    case cbsList:
        return esPickList;
    case cbsDropList:
        return esDropList;
    case cbsCheckBox:
        return esCheckBox;
    case cbsSpin:
        return esSpin;
    case cbsCalendar:
        return esCalendar;
    case cbsSimple:
        break;
    }
    return esSimple;
}

} // namespace

TInplaceEdit3D::TInplaceEdit3D(QWidget* owner)
    : TInplaceEdit(owner),
      m_ButtonWidth(QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4) {
    setMouseTracking(true);
    UpdateLayout();
}

TInplaceEdit3D::~TInplaceEdit3D() {
    if (m_Watching)
        qApp->removeEventFilter(this);
}

TMOStringGrid* TInplaceEdit3D::ColumnGrid() const {
    return qobject_cast<TMOStringGrid*>(Grid());
}

const TMOGridColumn* TInplaceEdit3D::Column() const {
    const TMOStringGrid* grid = ColumnGrid();
    if (!grid || grid->Col() < 0 || grid->Col() >= grid->GridColumns().Count())
        return nullptr;
    return &grid->GridColumns().Items(grid->Col());
}

void TInplaceEdit3D::SetEditStyle(TEditStyle value) {
    if (value == m_EditStyle)
        return;
    CloseDropDowns();
    m_EditStyle = value;
    setReadOnly(false);
    m_ActiveList = nullptr;
    if (value == esPickList || value == esDropList) {
        if (!m_PickList) {
            m_PickList = new TPopListBox(this);
            m_PickList->OnRelease = [this] { CloseUp(); };
        }
        m_ActiveList = m_PickList;
        setReadOnly(value == esDropList);
    }
    if (value == esSpin && !m_SpinButton) {
        m_SpinButton = new TSpinButton(this);
        m_SpinButton->resize(m_ButtonWidth, kSpinHeight);
        m_SpinButton->OnUpClick = [this] { UpClick(); };
        m_SpinButton->OnDownClick = [this] { DownClick(); };
    }
    if (m_SpinButton)
        m_SpinButton->setVisible(value == esSpin);
    UpdateLayout();
    update();
}

void TInplaceEdit3D::SetChecked(bool value) {
    if (value == m_Checked)
        return;
    m_Checked = value;
    update();
}

void TInplaceEdit3D::UpdateContents() {
    // The cell a drop-down was opened for has been left without a key or
    // a click (the program moved the current cell): its choice would land
    // in the wrong cell, so the list only goes away.
    if (m_ListVisible) {
        m_ActiveList->hide();
        m_ListVisible = false;
    }
    if (m_Calendar)
        std::exchange(m_Calendar, nullptr)->deleteLater();
    UpdateWatch();
    const TMOGridColumn* column = Column();
    SetEditStyle(column ? StyleFor(column->ButtonStyle()) : esSimple);
    TInplaceEdit::UpdateContents();
    // The grid read the cell's date while loading it.
    if (const TMOStringGrid* grid = ColumnGrid(); grid && m_EditStyle == esCalendar)
        m_Date = grid->EditDate();
    if (column) {
        setFont(ToQFont(column->Font()));
        SetImeMode(column->ImeMode());
    }
}

QRect TInplaceEdit3D::ButtonRect() const {
    return {width() - m_ButtonWidth + kFrame, kFrame, m_ButtonWidth - 2 * kFrame,
            height() - 2 * kFrame};
}

bool TInplaceEdit3D::OnButton(const QPoint& pos) const {
    if (m_EditStyle == esSimple || !rect().contains(pos))
        return false;
    if (m_EditStyle == esDropList || m_EditStyle == esCheckBox)
        return true;
    return pos.x() >= width() - m_ButtonWidth + kFrame;
}

void TInplaceEdit3D::UpdateLayout() {
    // The text keeps clear of the frame, and of the button when there is one.
    const int right = m_EditStyle == esSimple ? kFrame : m_ButtonWidth + kFrame;
    setTextMargins(kFrame, kFrame, right, kFrame);
    if (m_SpinButton)
        m_SpinButton->setGeometry(width() - m_ButtonWidth - kFrame - 1, kFrame, m_ButtonWidth,
                                  std::max(0, height() - 2 * kFrame));
}

void TInplaceEdit3D::resizeEvent(QResizeEvent* event) {
    TInplaceEdit::resizeEvent(event);
    UpdateLayout();
}

void TInplaceEdit3D::UpClick() {
    Step(1);
}

void TInplaceEdit3D::DownClick() {
    Step(-1);
}

void TInplaceEdit3D::Step(int direction) {
    const TMOGridColumn* column = Column();
    if (!column)
        return;
    std::string text = Text();
    if (text.empty()) {
        text = "0";
        SetText(text);
    }
    const std::optional<std::int32_t> value = StrToInt(text);
    if (!value)
        return;
    const TMOSpinButtonOption& option = column->SpinButtonOption();
    std::int64_t next = std::int64_t{*value} + std::int64_t{direction} * option.Increment();
    // Equal limits are no limits; the type's own range still holds.
    if (option.MinValue() != option.MaxValue())
        next = std::clamp<std::int64_t>(next, option.MinValue(), option.MaxValue());
    next = std::clamp<std::int64_t>(next, std::numeric_limits<std::int32_t>::min(),
                                    std::numeric_limits<std::int32_t>::max());
    SetText(std::to_string(next));
}

void TInplaceEdit3D::keyPressEvent(QKeyEvent* event) {
    // Escape abandons a drop-down, leaving the text as it was, and goes
    // no further; otherwise keys act as in the plain editor.
    if (event->key() == Qt::Key_Escape && (m_ListVisible || m_Calendar)) {
        GuardGridEvent([this] { CloseDropDowns(false); });
        event->accept();
        return;
    }
    // A key that moves to another cell closes the drop-down first, so
    // that its choice lands in the cell it was opened for.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        GuardGridEvent([this] { CloseDropDowns(); });
        break;
    default:
        break;
    }
    TInplaceEdit::keyPressEvent(event);
}

void TInplaceEdit3D::focusInEvent(QFocusEvent* event) {
    TInplaceEdit::focusInEvent(event);
    if (m_SpinButton)
        m_SpinButton->setVisible(m_EditStyle == esSpin);
}

void TInplaceEdit3D::focusOutEvent(QFocusEvent* event) {
    TInplaceEdit::focusOutEvent(event);
    // A platform that activates a drop-down when it is shown takes the
    // focus with it; the activation is handed back and the drop-down stays.
    if (event->reason() == Qt::ActiveWindowFocusReason && InPopup(QApplication::activeWindow()))
        return;
    GuardGridEvent([this] { CloseDropDowns(); });
}

} // namespace zel
