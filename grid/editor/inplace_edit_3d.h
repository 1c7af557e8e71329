#pragma once
// The editor of a grid with column definitions: the plain editor in a
// sunken frame, with a button at the right whose look and action follow
// the column's button style: an ellipsis that calls the grid, a drop-down
// list, a check box over the whole cell, an up/down spin button, or a
// drop-down month calendar.
// Drop-downs leave the keyboard focus in the editor; they close on a
// click anywhere else, when the window loses the activation, on Escape and
// when the editor loses the focus. Closing takes the choice, except on
// Escape, which leaves the cell as it was.

#include "framework/date.h"
#include "grid/columns/column_cell_editor.h"
#include "grid/core/inplace_edit.h"

#include <cstdint>

namespace zel {

class TMOGridColumn;
class TMOPopupPanel;
class TMOStringGrid;
class TPopListBox;
class TSpinButton;

// Editor styles, numbered as the editor keeps them.
enum TEditStyle : std::uint8_t {
    esSimple,
    esEllipsis,
    esPickList,
    esDropList,
    esCheckBox,
    esSpin,
    esCalendar,
};

class TInplaceEdit3D : public TInplaceEdit, public TColumnCellEditor {
    Q_OBJECT
public:
    explicit TInplaceEdit3D(QWidget* owner);
    ~TInplaceEdit3D() override;

    TEditStyle EditStyle() const { return m_EditStyle; }
    // A new style takes the editor out of read-only mode, closes what was
    // dropped down and creates the list or the spin button it needs.
    void SetEditStyle(TEditStyle value);
    // The value of a check-box cell while it is edited.
    bool EditsCheckBox() const override { return m_EditStyle == esCheckBox; }
    bool Checked() const override { return m_Checked; }
    void SetChecked(bool value) override;
    // The room the button takes at the right: a scroll bar's width plus 4.
    int ButtonWidth() const { return m_ButtonWidth; }
    bool Pressed() const { return m_Pressed; }
    bool ListVisible() const { return m_ListVisible; }
    TPopListBox* PickList() const { return m_PickList; }
    TSpinButton* SpinButton() const { return m_SpinButton; }
    // The calendar popup while it is dropped down, else null.
    TMOPopupPanel* CalendarPopup() const { return m_Calendar; }
    // The date the calendar opens at: the cell's date, then the last one
    // picked.
    const TDate& Date() const { return m_Date; }

    // Where the button is drawn, and where a press counts as one on it
    // (the whole editor for the drop list and the check box).
    QRect ButtonRect() const;
    bool OnButton(const QPoint& pos) const;

    void UpdateContents() override;

    // The spin button's steps by the column's increment, within its limits.
    void UpClick();
    void DownClick();
    // The pick list of the list styles; closing stores the selected item,
    // unless `take` is false (Escape), which leaves the text as it was.
    void DropDown();
    void CloseUp(bool take = true);
    // The calendar of the calendar style; closing writes its date in the
    // column's format, unless `take` is false (Escape).
    void DropDownCalendar();
    void CloseCalendar(bool take = true);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMOStringGrid* ColumnGrid() const;
    const TMOGridColumn* Column() const;
    void Step(int direction);
    void ToggleCheck();
    void SetPressed(bool value);
    void HandToList(const QMouseEvent& event);
    void PaintButton(QPainter& painter);
    void UpdateLayout();
    // Drop-downs are top-level windows of their own.
    bool InPopup(const QWidget* widget) const;
    // A press elsewhere, or the window losing activation, closes what is
    // dropped down; the watch runs only while something is.
    void CancelMode(const QWidget* target);
    void CloseDropDowns(bool take = true);
    void UpdateWatch();
    void KeepActivation();

    TEditStyle m_EditStyle = esSimple;
    bool m_Checked = false;
    int m_ButtonWidth;
    bool m_Pressed = false;
    bool m_Tracking = false;
    bool m_ListVisible = false;
    bool m_Watching = false;
    TPopListBox* m_PickList = nullptr;
    TPopListBox* m_ActiveList = nullptr;
    TSpinButton* m_SpinButton = nullptr;
    TMOPopupPanel* m_Calendar = nullptr;
    TDate m_Date = TDate::Today();
};

} // namespace zel
