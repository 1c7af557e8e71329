// The editor's button under the mouse, and its drop-down list: dropping it
// down, handing a drag over to it, closing it, and closing it when the
// user turns to something else.

#include "grid/calendar/calendar_popup.h"
#include "grid/columns/calendar_text.h"
#include "grid/columns/column_string_grid.h"
#include "grid/core/grid_errors.h"
#include "grid/editor/inplace_edit_3d.h"
#include "grid/editor/pop_list_box.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <utility>

namespace zel {

void TInplaceEdit3D::SetPressed(bool value) {
    if (value == m_Pressed)
        return;
    m_Pressed = value;
    // The spin button draws its own halves pressed.
    if (m_EditStyle != esSpin)
        update();
}

void TInplaceEdit3D::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !OnButton(event->position().toPoint())) {
        TInplaceEdit::mousePressEvent(event);
        return;
    }
    GuardGridEvent([this] {
        if (m_ListVisible) {
            CloseUp();
            return;
        }
        m_Tracking = true;
        SetPressed(true);
        if (m_ActiveList)
            DropDown();
    });
}

void TInplaceEdit3D::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second press on the button is a press, not a word selection.
    if (event->button() == Qt::LeftButton && OnButton(event->position().toPoint()))
        mousePressEvent(event);
    else
        TInplaceEdit::mouseDoubleClickEvent(event);
}

void TInplaceEdit3D::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    setCursor(OnButton(pos) ? Qt::ArrowCursor : Qt::IBeamCursor);
    if (!m_Tracking) {
        TInplaceEdit::mouseMoveEvent(event);
        return;
    }
    SetPressed(OnButton(pos));
    if (m_ListVisible &&
        m_PickList->viewport()->rect().contains(
            m_PickList->viewport()->mapFromGlobal(event->globalPosition().toPoint())))
        HandToList(*event);
}

void TInplaceEdit3D::HandToList(const QMouseEvent& event) {
    // The drag that opened the list goes on inside it: the list is pressed
    // where the pointer is and takes the mouse until the release.
    m_Tracking = false;
    SetPressed(false);
    QWidget* target = m_PickList->viewport();
    const QPointF global = event.globalPosition();
    QMouseEvent press(QEvent::MouseButtonPress, target->mapFromGlobal(global), global,
                      Qt::LeftButton, Qt::LeftButton, event.modifiers());
    QApplication::sendEvent(target, &press);
    target->grabMouse();
}

void TInplaceEdit3D::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_Tracking) {
        TInplaceEdit::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = m_Pressed;
    const QPoint pos = event->position().toPoint();
    m_Tracking = false;
    SetPressed(false);
    if (event->button() != Qt::LeftButton)
        return;
    GuardGridEvent([&] {
        TMOStringGrid* grid = ColumnGrid();
        if (m_EditStyle == esEllipsis && wasPressed && grid)
            grid->EditButtonClick();
        else if (m_EditStyle == esCheckBox)
            ToggleCheck();
        else if (m_EditStyle == esCalendar && !m_Calendar && OnButton(pos))
            DropDownCalendar();
        else if (m_EditStyle == esCalendar)
            CloseCalendar();
    });
}

void TInplaceEdit3D::ToggleCheck() {
    TMOStringGrid* grid = ColumnGrid();
    if (!grid)
        return;
    const int col = grid->Col();
    const int row = grid->Row();
    const bool check = grid->Cells(col, row) != "1";
    // Setting the cell reloads this editor, which takes the flag from it.
    grid->SetCells(col, row, check ? "1" : "0");
    SetChecked(check);
    grid->CheckCell(col, row, check);
}

void TInplaceEdit3D::DropDown() {
    const TMOGridColumn* column = Column();
    if (!m_ActiveList || m_ListVisible || !column)
        return;
    TPopListBox& list = *m_ActiveList;
    QPalette colours = list.palette();
    colours.setColor(QPalette::Base, palette().color(QPalette::Base));
    list.setPalette(colours);
    list.setFont(font());
    list.SetItems(column->ListStrings());
    list.Fit(width());
    list.DropDown(QRect(mapToGlobal(QPoint(0, 0)), size()));
    m_ListVisible = true;
    UpdateWatch();
    update();
}

void TInplaceEdit3D::CloseUp(bool take) {
    if (!m_ListVisible)
        return;
    TPopListBox& list = *m_ActiveList;
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber == list.viewport())
        grabber->releaseMouse();
    // Every way of closing but Escape takes what is selected.
    const bool picked = take && !list.selectedItems().isEmpty();
    const std::string chosen = picked ? list.SelectedText() : std::string();
    if (picked)
        SetText(chosen);
    list.hide();
    m_ListVisible = false;
    UpdateWatch();
    update();
    if (TMOStringGrid* grid = ColumnGrid())
        grid->ListClosed(chosen);
}

void TInplaceEdit3D::DropDownCalendar() {
    const TMOGridColumn* column = Column();
    if (m_Calendar || !column)
        return;
    m_Calendar = new TMOPopupPanel(this, column->CalColors(), m_Date);
    m_Calendar->OnDayPicked = [this] { GuardGridEvent([this] { CloseCalendar(); }); };
    m_Calendar->DropDown(QRect(mapToGlobal(QPoint(0, 0)), size()));
    UpdateWatch();
    update();
}

void TInplaceEdit3D::CloseCalendar(bool take) {
    if (!m_Calendar)
        return;
    if (QWidget* grabber = QWidget::mouseGrabber(); m_Calendar->Contains(grabber))
        grabber->releaseMouse();
    if (take)
        m_Date = m_Calendar->Date();
    // Freed from the event loop: this may run inside one of its events.
    TMOPopupPanel* popup = std::exchange(m_Calendar, nullptr);
    popup->hide();
    popup->deleteLater();
    UpdateWatch();
    update();
    // Every way of closing but Escape writes the date shown.
    if (!take)
        return;
    const TMODateFormat format = Column() ? Column()->DateFormat() : dtShort;
    SetEditMask(CalendarEditMask(format));
    SetText(CalendarDateText(format, m_Date));
}

void TInplaceEdit3D::CloseDropDowns(bool take) {
    CloseUp(take);
    CloseCalendar(take);
}

bool TInplaceEdit3D::InPopup(const QWidget* widget) const {
    if (!widget)
        return false;
    if (m_Calendar && m_Calendar->Contains(widget))
        return true;
    return m_PickList && (widget == m_PickList || m_PickList->isAncestorOf(widget));
}

void TInplaceEdit3D::CancelMode(const QWidget* target) {
    if (target == this || isAncestorOf(target))
        return;
    const bool inCalendar = m_Calendar && m_Calendar->Contains(target);
    if (!InPopup(target))
        CloseUp();
    if (!inCalendar)
        CloseCalendar();
}

void TInplaceEdit3D::UpdateWatch() {
    const bool open = m_ListVisible || m_Calendar;
    if (open == m_Watching)
        return;
    m_Watching = open;
    // Every press in the application passes here while a drop-down is open,
    // and only then.
    if (open)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void TInplaceEdit3D::KeepActivation() {
    // Deferred: the platform is still in the middle of activating.
    QTimer::singleShot(0, this, [this] {
        if ((m_ListVisible || m_Calendar) && InPopup(QApplication::activeWindow()))
            window()->activateWindow();
    });
}

bool TInplaceEdit3D::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched->isWidgetType())
            GuardGridEvent([&] { CancelMode(static_cast<QWidget*>(watched)); });
        break;
    case QEvent::WindowActivate:
        if (watched->isWidgetType() && InPopup(static_cast<QWidget*>(watched)))
            KeepActivation();
        break;
    case QEvent::WindowDeactivate:
        // Activation that moves to another window of this program or to
        // another program ends the drop-down; moving to the drop-down
        // itself does not.
        if (watched == window())
            QTimer::singleShot(0, this, [this] {
                if (!InPopup(QApplication::activeWindow()) &&
                    QApplication::activeWindow() != window())
                    GuardGridEvent([this] { CloseDropDowns(); });
            });
        break;
    default:
        break;
    }
    return false;
}

} // namespace zel
