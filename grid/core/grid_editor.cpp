// The in-place editor's life cycle: show, reload for another cell, write
// back on every change, hide.

#include "grid/core/custom_grid.h"
#include "grid/core/grid_errors.h"
#include "grid/core/inplace_edit.h"

#include <QShowEvent>

namespace zel {

bool TCustomGrid::CanEditShow() {
    return m_Options.Contains(goEditing) && !m_Options.Contains(goRowSelect) && m_EditorMode &&
           isVisible() && (m_Options.Contains(goAlwaysShowEditor) || IsActiveControl());
}

void TCustomGrid::SetEditorMode(bool value) {
    if (!value) {
        HideEditor();
        return;
    }
    ShowEditor();
    if (m_InplaceEdit)
        m_InplaceEdit->Deselect();
}

void TCustomGrid::ShowEditor() {
    m_EditorMode = true;
    UpdateEdit();
}

void TCustomGrid::HideEditor() {
    m_EditorMode = false;
    HideEdit();
}

void TCustomGrid::UpdateEdit() {
    if (!CanEditShow())
        return;
    if (!m_InplaceEdit) {
        m_InplaceEdit = CreateEditor();
        m_InplaceEdit->SetGrid(this);
    }
    if (m_InplaceCol != m_Current.X || m_InplaceRow != m_Current.Y) {
        UpdateText();
        m_InplaceCol = m_Current.X;
        m_InplaceRow = m_Current.Y;
        m_InplaceEdit->UpdateContents();
        m_CanEditModify = m_InplaceEdit->MaxLength() != -1;
        m_InplaceEdit->SelectAll();
    }
    UpdateEditorGeometry();
    InvalidateCell(m_Current.X, m_Current.Y);
}

void TCustomGrid::UpdateEditorGeometry() {
    if (!m_InplaceEdit || m_InplaceCol < 0 || m_InplaceRow < 0)
        return;
    const QRect rect = CellRect(m_InplaceCol, m_InplaceRow);
    if (rect.isEmpty()) {
        // Scrolled out of view: keep the cell but take the box away.
        if (m_InplaceEdit->hasFocus())
            setFocus(Qt::OtherFocusReason);
        m_InplaceEdit->hide();
        return;
    }
    m_InplaceEdit->Move(rect);
    if (!m_InplaceEdit->isVisible())
        m_InplaceEdit->show();
    if (hasFocus())
        m_InplaceEdit->setFocus(Qt::OtherFocusReason);
}

void TCustomGrid::UpdateText() {
    // A write-back that puts corrected text into the editor (rolling back a
    // bad number, say) goes on with that text itself; the change it causes
    // must not start a second one.
    if (!m_InplaceEdit || m_InplaceCol == -1 || m_InplaceRow == -1 || m_WritingBack)
        return;
    m_WritingBack = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{m_WritingBack};
    SetEditText(m_InplaceCol, m_InplaceRow, m_InplaceEdit->Text());
}

void TCustomGrid::HideEdit() {
    if (!m_InplaceEdit)
        return;
    struct Finish {
        TCustomGrid* grid;
        ~Finish() {
            const TGridCoord cell{grid->m_InplaceCol, grid->m_InplaceRow};
            grid->m_InplaceCol = -1;
            grid->m_InplaceRow = -1;
            if (grid->m_InplaceEdit->hasFocus()) {
                grid->m_FocusFromEditor = true;
                grid->setFocus(Qt::OtherFocusReason);
                grid->m_FocusFromEditor = false;
            }
            grid->m_InplaceEdit->hide();
            if (cell.X >= 0)
                grid->InvalidateCell(cell.X, cell.Y);
        }
    } finish{this};
    UpdateText();
}

void TCustomGrid::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    // An editor that is always shown could not appear while the grid had
    // no window; it appears with the grid, focused or not.
    GuardGridEvent([&] { UpdateEdit(); });
}

void TCustomGrid::InvalidateEditor() {
    // The cell under the editor changed behind its back: reload it.
    m_InplaceCol = -1;
    m_InplaceRow = -1;
    UpdateEdit();
}

} // namespace zel
