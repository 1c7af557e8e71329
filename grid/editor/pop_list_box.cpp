#include "grid/editor/pop_list_box.h"

#include "grid/core/grid_errors.h"
#include "platform/qt/qstring_text.h"

#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <climits>

namespace zel {

TPopListBox::TPopListBox(QWidget* owner) : QListWidget(owner) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    hide();
}

void TPopListBox::SetItems(const TStrings& items) {
    clear();
    for (int i = 0; i < items.Count(); ++i)
        addItem(cp932::ToQString(items.Strings(i)));
}

std::string TPopListBox::SelectedText() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? std::string() : cp932::FromQString(selected.first()->text());
}

void TPopListBox::Fit(int minWidth) {
    const int frame = 2 * frameWidth();
    const int itemHeight =
        std::max(1, sizeHintForRow(0) > 0 ? sizeHintForRow(0) : fontMetrics().height());
    const int visibleItems = std::max(1, (kDefaultHeight - frame) / itemHeight);
    const int height = frame + visibleItems * itemHeight;
    // The widest item's text with the view's own margins around it.
    int clientWidth = std::max(minWidth - frame, count() > 0 ? sizeHintForColumn(0) : 0);
    if (count() > visibleItems)
        clientWidth += verticalScrollBar()->sizeHint().width();
    resize(std::max(minWidth, clientWidth + frame), height);
}

void TPopListBox::DropDown(const QRect& editorGlobalRect) {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const int screenBottom = screen ? screen->geometry().bottom() : INT_MAX;
    QPoint at(editorGlobalRect.left(), editorGlobalRect.bottom() + 1);
    if (at.y() + height() - 1 > screenBottom)
        at.setY(editorGlobalRect.top() - height());
    move(at);
    show();
}

void TPopListBox::mouseReleaseEvent(QMouseEvent* event) {
    // A drag handed over from the editor held the mouse until now.
    if (QWidget::mouseGrabber() == viewport())
        viewport()->releaseMouse();
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton &&
        viewport()->rect().contains(event->position().toPoint()))
        GuardGridEvent([this] {
            if (OnRelease)
                OnRelease();
        });
}

} // namespace zel
