#pragma once
// The one edit box that floats over the grid's current cell. Every change
// of its text is written back to the cell at once; keys that move between
// cells go to the grid.

#include "framework/ime_mode.h"
#include "grid/core/edit_mask.h"
#include "grid/core/system_colors.h"

#include <QLineEdit>
#include <string>

namespace zel {

class TCustomGrid;

class TInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TInplaceEdit(QWidget* owner);

    TCustomGrid* Grid() const { return m_Grid; }
    // Parents the editor to the grid's viewport.
    void SetGrid(TCustomGrid* grid);

    // The text in code page 932. Under an edit mask every position is
    // there, and one not typed yet reads as a space. A text the mask
    // cannot hold (longer, or with other literals) is shown and edited
    // without the mask rather than cut to fit it.
    std::string Text() const;
    void SetText(const std::string& text);
    const std::string& EditMask() const { return m_EditMask; }
    void SetEditMask(const std::string& mask);
    // 0 is no limit, -1 forbids changes.
    int MaxLength() const { return m_MaxLength; }
    void SetMaxLength(int value);

    // The input-method mode the box asks for while it has the focus.
    TImeMode ImeMode() const { return m_ImeMode; }
    void SetImeMode(TImeMode value);
    // Background and text colour of the box.
    void SetColor(TColor value);
    void SetFontColor(TColor value);

    void SelectAll() { selectAll(); }
    // Caret at the end, nothing selected.
    void Deselect();

    // Loads the current cell's mask, text and length limit. The text set
    // here is not written back; any later change of the text is.
    virtual void UpdateContents();
    // Places the box over a cell rectangle of the viewport.
    virtual void Move(const QRect& cellRect);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // Ways to change the text other than keys, refused as keys are when
    // the grid forbids changes.
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Sends a key to the grid's key handling; true when it went there.
    bool ToGrid(QKeyEvent* event);
    bool Modifies(QKeyEvent* event) const;
    void ShowMask(bool show);
    bool MayModify() const;
    // Typed or pasted characters that code page 932 cannot hold are told
    // once each, after the change that brought them.
    void CheckUnheld();
    void TellUnheld();

    TCustomGrid* m_Grid = nullptr;
    std::string m_EditMask;
    TEditMask m_Mask;
    bool m_MaskShown = false; // the widget applies m_Mask
    std::string m_SetText;    // the text last set, before the mask showed it
    int m_MaxLength = 0;
    bool m_Loading = false;
    std::size_t m_UnheldCount = 0;
    // Input methods stay on unless a grid asks otherwise.
    TImeMode m_ImeMode = imDontCare;
};

} // namespace zel
