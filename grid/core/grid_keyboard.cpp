// Keys on the grid itself: moving the current cell, scrolling by keys,
// and opening the editor by Enter, F2 or typing.

#include "grid/core/custom_grid.h"
#include "grid/core/grid_errors.h"
#include "grid/core/inplace_edit.h"

#include "platform/qt/qstring_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace zel {
namespace {

// Code 8 or 32 and up: what a key may type into a cell.
bool IsTypedCharacter(const QString& text) {
    if (text.isEmpty())
        return false;
    const char16_t c = text.at(0).unicode();
    return c == 8 || c >= 32;
}

} // namespace

void TCustomGrid::KeyDown(int key, Qt::KeyboardModifiers shift) {
    if (!CanGridAcceptKey(key, shift))
        return;
    const bool ctrl = shift.testFlag(Qt::ControlModifier);
    const bool shiftHeld = shift.testFlag(Qt::ShiftModifier);
    const bool rowSelect = m_Options.Contains(goRowSelect);
    const TGridDrawInfo info = CalcDrawInfo();
    const int pageWidth = std::max(1, info.Horz.LastFullVisibleCell - m_TopLeft.X + 1);
    const int pageHeight = std::max(1, info.Vert.LastFullVisibleCell - m_TopLeft.Y + 1);
    TGridCoord topLeft = m_TopLeft;
    TGridCoord current = m_Current;
    bool extend = shiftHeld && m_Options.Contains(goRangeSelect);

    if (ctrl) {
        switch (key) {
        case Qt::Key_Up:
            --topLeft.Y;
            break;
        case Qt::Key_Down:
            ++topLeft.Y;
            break;
        case Qt::Key_Left:
            if (!rowSelect) {
                current.X -= pageWidth;
                topLeft.X -= pageWidth;
            }
            break;
        case Qt::Key_Right:
            if (!rowSelect) {
                current.X += pageWidth;
                topLeft.X += pageWidth;
            }
            break;
        case Qt::Key_PageUp:
            current.Y = m_TopLeft.Y;
            break;
        case Qt::Key_PageDown:
            current.Y = info.Vert.LastFullVisibleCell;
            break;
        case Qt::Key_Home:
            current = {m_FixedCols, m_FixedRows};
            break;
        case Qt::Key_End:
            current = {m_ColCount - 1, m_RowCount - 1};
            break;
        default:
            return;
        }
    } else {
        switch (key) {
        case Qt::Key_Up:
            --current.Y;
            break;
        case Qt::Key_Down:
            ++current.Y;
            break;
        case Qt::Key_Left:
            if (rowSelect)
                --current.Y;
            else
                --current.X;
            break;
        case Qt::Key_Right:
            if (rowSelect)
                ++current.Y;
            else
                ++current.X;
            break;
        case Qt::Key_PageDown:
            current.Y += pageHeight;
            topLeft.Y += pageHeight;
            break;
        case Qt::Key_PageUp:
            current.Y -= pageHeight;
            topLeft.Y -= pageHeight;
            break;
        case Qt::Key_Home:
            if (rowSelect)
                current.Y = m_FixedRows;
            else
                current.X = m_FixedCols;
            break;
        case Qt::Key_End:
            if (rowSelect)
                current.Y = m_RowCount - 1;
            else
                current.X = m_ColCount - 1;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            if (shift.testFlag(Qt::AltModifier))
                return;
            // Shift walks backwards here; it never widens the selection.
            extend = false;
            const bool back = shiftHeld || key == Qt::Key_Backtab;
            const TGridCoord start = current;
            do {
                if (back) {
                    if (--current.X < m_FixedCols) {
                        current.X = m_ColCount - 1;
                        if (--current.Y < m_FixedRows)
                            current.Y = m_RowCount - 1;
                    }
                } else if (++current.X >= m_ColCount) {
                    current.X = m_FixedCols;
                    if (++current.Y >= m_RowCount)
                        current.Y = m_FixedRows;
                }
            } while (!TabStops(current.X) && !(current == start));
            break;
        }
        case Qt::Key_F2:
            SetEditorMode(true);
            return;
        default:
            return;
        }
    }

    const TGridCoord maxTopLeft = CalcMaxTopLeft(info);
    topLeft.X = std::clamp(topLeft.X, m_FixedCols, std::max(m_FixedCols, maxTopLeft.X));
    topLeft.Y = std::clamp(topLeft.Y, m_FixedRows, std::max(m_FixedRows, maxTopLeft.Y));
    if (!(topLeft == m_TopLeft))
        MoveTopLeft(topLeft.X, topLeft.Y);
    current.X = std::clamp(current.X, m_FixedCols, m_ColCount - 1);
    current.Y = std::clamp(current.Y, m_FixedRows, m_RowCount - 1);
    if (!(current == m_Current))
        FocusCell(current.X, current.Y, !extend);
}

void TCustomGrid::KeyPress(std::string& key) {
    if (key == "\r") {
        if (!m_Options.Contains(goAlwaysShowEditor)) {
            if (m_InplaceEdit && m_InplaceEdit->isVisible())
                HideEditor();
            else
                ShowEditor();
        }
        key.clear();
    }
}

void TCustomGrid::keyPressEvent(QKeyEvent* event) {
    GuardGridEvent([&] {
        if (event->matches(QKeySequence::Paste)) {
            if (m_Options.Contains(goEditing) && !m_Options.Contains(goRowSelect) &&
                CanEditModify())
                PasteFromClipboard();
            return;
        }
        KeyDown(event->key(), event->modifiers());
        const QString text = event->text();
        if (text.isEmpty() || event->modifiers().testFlag(Qt::ControlModifier))
            return;
        std::string key = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
                              ? std::string("\r")
                              : cp932::FromQString(text);
        KeyPress(key);
        if (key.empty() || !m_Options.Contains(goEditing) || !IsTypedCharacter(text) ||
            event->key() == Qt::Key_Escape || event->key() == Qt::Key_Tab)
            return;
        // Typing on a cell replaces its text: open the editor with all of
        // it selected and let the editor take the key.
        ShowEditor();
        if (m_InplaceEdit && m_InplaceEdit->isVisible()) {
            m_InplaceEdit->selectAll();
            QKeyEvent copy(event->type(), event->key(), event->modifiers(), text,
                           event->isAutoRepeat(), static_cast<ushort>(event->count()));
            QCoreApplication::sendEvent(m_InplaceEdit, &copy);
        }
    });
}

void TCustomGrid::inputMethodEvent(QInputMethodEvent* event) {
    // Composed text on the grid goes to the editor like a typed key.
    GuardGridEvent([&] {
        if (!m_Options.Contains(goEditing) || m_Options.Contains(goRowSelect))
            return;
        ShowEditor();
        if (m_InplaceEdit && m_InplaceEdit->isVisible()) {
            m_InplaceEdit->selectAll();
            QCoreApplication::sendEvent(m_InplaceEdit, event);
        }
    });
}

bool TCustomGrid::focusNextPrevChild(bool next) {
    // With goTabs the Tab key is the grid's own, for moving between cells.
    if (m_Options.Contains(goTabs) && !m_Options.Contains(goRowSelect))
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

bool TCustomGrid::IsActiveControl() const {
    // The window's focus widget stays set while another window is active,
    // as the form's active control does.
    const QWidget* focus = window()->focusWidget();
    return focus == this || (m_InplaceEdit && focus == m_InplaceEdit);
}

void TCustomGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    GuardGridEvent([&] {
        const bool fromEditor = m_FocusFromEditor;
        m_FocusFromEditor = false;
        if (fromEditor)
            return;
        InvalidateCell(m_Current.X, m_Current.Y);
        UpdateEdit();
    });
}

void TCustomGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    GuardGridEvent([&] {
        if (event->reason() == Qt::ActiveWindowFocusReason ||
            event->reason() == Qt::PopupFocusReason)
            return;
        if (m_InplaceEdit && QApplication::focusWidget() == m_InplaceEdit)
            return;
        HideEdit();
        InvalidateCell(m_Current.X, m_Current.Y);
    });
}

void TCustomGrid::EditorFocusLost() {
    if (QApplication::focusWidget() == this)
        return;
    if (!m_Options.Contains(goAlwaysShowEditor))
        HideEdit();
    InvalidateCell(m_Current.X, m_Current.Y);
}

void TCustomGrid::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_InplaceEdit)
        m_InplaceEdit->setFont(font());
}

} // namespace zel
