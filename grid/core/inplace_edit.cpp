#include "grid/core/inplace_edit.h"

#include "grid/core/custom_grid.h"
#include "grid/core/grid_errors.h"
#include "grid/core/ime_mode_input.h"
#include "platform/qt/qstring_text.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace zel {

TInplaceEdit::TInplaceEdit(QWidget* owner) : QLineEdit(owner) {
    hide();
    setFrame(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Text inside the box starts where the grid draws cell text.
    setTextMargins(0, 1, 0, 0);
    setFocusPolicy(Qt::ClickFocus);
    // Every change reaches the cell at once, whether typed or set by a
    // derived editor (a value picked from a list or a calendar); only the
    // load of a cell's own text is not a change.
    connect(this, &QLineEdit::textChanged, this, [this] {
        GuardGridEvent([&] {
            if (m_Grid && !m_Loading) {
                m_Grid->UpdateText();
                CheckUnheld();
            }
        });
    });
}

void TInplaceEdit::SetGrid(TCustomGrid* grid) {
    m_Grid = grid;
    setParent(grid->viewport());
    setFont(grid->font());
    hide();
}

std::string TInplaceEdit::Text() const {
    // The widget's own text drops the untyped positions, so the shown text
    // is read instead; until the operator changes it, the text as it was
    // set, so that opening and closing the editor leaves a cell alone.
    if (m_MaskShown && !isModified())
        return m_SetText;
    if (m_MaskShown)
        return m_Mask.ReadBack(cp932::FromQString(displayText()));
    return cp932::FromQString(text());
}

void TInplaceEdit::SetText(const std::string& text) {
    ShowMask(m_Mask.Fits(text));
    m_SetText = text;
    setText(cp932::ToQString(m_MaskShown ? m_Mask.Shown(text) : text));
}

void TInplaceEdit::SetEditMask(const std::string& mask) {
    if (mask == m_EditMask)
        return;
    m_EditMask = mask;
    m_Mask = TEditMask(mask);
    // A mask the widget cannot express is not applied: the text is edited
    // as it is.
    const std::string widgetMask = m_Mask.WidgetMask();
    m_MaskShown = !widgetMask.empty();
    setInputMask(cp932::ToQString(widgetMask));
}

void TInplaceEdit::ShowMask(bool show) {
    show = show && !m_Mask.WidgetMask().empty();
    if (show == m_MaskShown)
        return;
    m_MaskShown = show;
    setInputMask(show ? cp932::ToQString(m_Mask.WidgetMask()) : QString());
}

void TInplaceEdit::SetMaxLength(int value) {
    m_MaxLength = value;
    setMaxLength(value > 0 ? value : 32767);
}

void TInplaceEdit::SetImeMode(TImeMode value) {
    m_ImeMode = value;
    setInputMethodHints(ImeInputFor(value).Hints);
    RefreshInputMethod(*this);
}

QVariant TInplaceEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    // Answered here rather than through the widget attribute, which the
    // line edit sets again itself whenever it leaves read-only mode.
    if (query == Qt::ImEnabled && !ImeInputFor(m_ImeMode).Enabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}

void TInplaceEdit::SetColor(TColor value) {
    QPalette p = palette();
    p.setColor(QPalette::Base, ColorToQColor(value));
    setPalette(p);
}

void TInplaceEdit::SetFontColor(TColor value) {
    QPalette p = palette();
    p.setColor(QPalette::Text, ColorToQColor(value));
    setPalette(p);
}

void TInplaceEdit::Deselect() {
    deselect();
    end(false);
}

void TInplaceEdit::UpdateContents() {
    if (!m_Grid)
        return;
    const int col = m_Grid->Col();
    const int row = m_Grid->Row();
    struct Loading {
        bool& flag;
        ~Loading() { flag = false; }
    } loading{m_Loading};
    m_Loading = true;
    SetText("");
    SetEditMask(m_Grid->GetEditMask(col, row));
    SetText(m_Grid->GetEditText(col, row));
    SetMaxLength(m_Grid->GetEditLimit());
    m_UnheldCount = 0; // a cell's own text is code page 932 already
}

void TInplaceEdit::CheckUnheld() {
    const std::size_t count = cp932::FromQStringChecked(text()).Unheld.size();
    const bool more = count > m_UnheldCount;
    m_UnheldCount = count;
    // Told once the change is through: a message box in the middle of an
    // input-method commit would interrupt it.
    if (more && m_Grid && m_Grid->OnUnheldText)
        QMetaObject::invokeMethod(
            this, [this] { GuardGridEvent([this] { TellUnheld(); }); }, Qt::QueuedConnection);
}

void TInplaceEdit::TellUnheld() {
    const cp932::TCheckedText checked = cp932::FromQStringChecked(text());
    if (checked.Unheld.empty() || !m_Grid || !m_Grid->OnUnheldText)
        return;
    if (m_Grid->OnUnheldText(checked, m_Grid->Col(), m_Grid->Row()))
        SetText(cp932::WithSubstitutes(checked));
}

void TInplaceEdit::Move(const QRect& cellRect) {
    setGeometry(cellRect);
}

bool TInplaceEdit::ToGrid(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool alwaysShow = m_Grid->Options().Contains(goAlwaysShowEditor);
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    bool send = false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
        send = true;
        break;
    case Qt::Key_Insert:
        send = (mods & ~Qt::KeypadModifier) == Qt::NoModifier;
        break;
    case Qt::Key_Left:
    case Qt::Key_Home:
        send = alwaysShow && (ctrl || cursorPosition() == 0);
        break;
    case Qt::Key_Right:
    case Qt::Key_End:
        send = alwaysShow && (ctrl || cursorPosition() == displayText().length());
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        send = !mods.testFlag(Qt::AltModifier);
        break;
    default:
        break;
    }
    if (send)
        m_Grid->KeyDown(event->key(), mods);
    return send;
}

bool TInplaceEdit::Modifies(QKeyEvent* event) const {
    // The platform's own editing shortcuts (delete a word, to the end of
    // the line, undo) change the text as surely as Delete does.
    for (const QKeySequence::StandardKey key :
         {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Paste,
          QKeySequence::Delete, QKeySequence::Backspace, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
          QKeySequence::DeleteCompleteLine}) {
        if (event->matches(key))
            return true;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return true;
    case Qt::Key_Insert:
        return mods.testFlag(Qt::ShiftModifier);
    case Qt::Key_V:
    case Qt::Key_X:
        if (mods.testFlag(Qt::ControlModifier))
            return true;
        break;
    default:
        break;
    }
    const QString t = event->text();
    return !t.isEmpty() && t.at(0).unicode() >= 32 && !mods.testFlag(Qt::ControlModifier);
}

void TInplaceEdit::keyPressEvent(QKeyEvent* event) {
    GuardGridEvent([&] {
        if (!m_Grid) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        if (ToGrid(event))
            return;
        if (Modifies(event) && !MayModify())
            return;
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (hasSelectedText() && selectedText() == text())
                Deselect();
            else
                selectAll();
            return;
        }
        const QString t = event->text();
        if (!t.isEmpty() && t.at(0).unicode() >= 32 &&
            !event->modifiers().testFlag(Qt::ControlModifier) &&
            !m_Grid->CanEditAcceptKey(cp932::FromQString(t))) {
            QApplication::beep();
            return;
        }
        QLineEdit::keyPressEvent(event);
        // Keys the box has no use for (F2, a lone Shift) stop here: the
        // grid hears only the keys handed to it above.
        event->accept();
    });
}

void TInplaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!m_Grid || event->reason() == Qt::ActiveWindowFocusReason ||
        event->reason() == Qt::PopupFocusReason)
        return;
    GuardGridEvent([&] {
        if (QApplication::focusWidget() == m_Grid)
            m_Grid->m_FocusFromEditor = true;
        else
            m_Grid->EditorFocusLost();
    });
}

void TInplaceEdit::mousePressEvent(QMouseEvent* event) {
    // A click on the current cell opened the editor; a second click soon
    // after lands here and should act as the double-click it is.
    if (m_Grid && event->button() == Qt::LeftButton &&
        static_cast<qint64>(event->timestamp()) - m_Grid->LastLeftPressTime() <
            QApplication::doubleClickInterval()) {
        mouseDoubleClickEvent(event);
        return;
    }
    QLineEdit::mousePressEvent(event);
}

bool TInplaceEdit::focusNextPrevChild(bool next) {
    if (m_Grid && m_Grid->Options().Contains(goTabs) && !m_Grid->Options().Contains(goRowSelect))
        return false;
    return QLineEdit::focusNextPrevChild(next);
}

bool TInplaceEdit::MayModify() const {
    return !m_Grid || m_Grid->CanEditModify();
}

void TInplaceEdit::inputMethodEvent(QInputMethodEvent* event) {
    bool allowed = true;
    GuardGridEvent([&] { allowed = MayModify(); });
    if (allowed)
        QLineEdit::inputMethodEvent(event);
    else
        event->accept(); // composed text is dropped like a typed key
}

void TInplaceEdit::contextMenuEvent(QContextMenuEvent* event) {
    bool allowed = true;
    GuardGridEvent([&] { allowed = MayModify(); });
    if (allowed || isReadOnly()) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    // The menu offers copying and selecting only.
    setReadOnly(true);
    const QPointer<TInplaceEdit> self(this);
    QLineEdit::contextMenuEvent(event);
    if (self)
        setReadOnly(false);
}

void TInplaceEdit::dropEvent(QDropEvent* event) {
    bool allowed = true;
    GuardGridEvent([&] { allowed = MayModify(); });
    if (allowed)
        QLineEdit::dropEvent(event);
    else
        event->ignore();
}

} // namespace zel
