#pragma once
// The string grid whose columns carry definitions: captions and fonts of
// the header, colours, alignments and fonts of the data cells, check-box
// cells, integer-only columns and the input-method mode of the editor, all
// by column. Rows can be striped, and fixed columns numbered.

#include "framework/date.h"
#include "grid/columns/grid_columns.h"
#include "grid/core/string_grid.h"

#include <functional>
#include <memory>
#include <string>

namespace zel {

// The text may be changed by the handler.
using TMOEditBtnEvent = std::function<void(QObject* sender, int col, int row, std::string& str)>;
using TMOCheckCellEvent = std::function<void(QObject* sender, int col, int row, bool check)>;

class TMOStringGrid : public TStringGrid {
    Q_OBJECT
public:
    explicit TMOStringGrid(QWidget* parent = nullptr);
    ~TMOStringGrid() override;

    // The create-columns step: makes the collection of definitions, before
    // the column count is set.
    using TCreateColumns = std::function<std::unique_ptr<TMOGridColumns>(TMOStringGrid& grid)>;

    TMOGridColumns& GridColumns() const { return *m_GridColumns; }
    // Copies the definitions of `value` (as a collection assignment does).
    void SetGridColumns(const TMOGridColumns& value);
    TMOGridStyle GridStyle() const { return m_GridStyle; }
    void SetGridStyle(TMOGridStyle value);
    TColor StripeColor() const { return m_StripeColor; }
    void SetStripeColor(TColor value);
    // Empty cells of fixed columns below the fixed rows show 1, 2, 3 ...
    bool FixAutoNum() const { return m_FixAutoNum; }
    void SetFixAutoNum(bool value);

    // The background of a data cell, and of the editor over it.
    TColor CellColor(int col, int row) const;
    // The date a calendar cell's editor starts from: read from the cell's
    // text each time the editor is loaded for a calendar cell, today when
    // the cell holds no date.
    const TDate& EditDate() const { return m_EditDate; }

    TMOEditBtnEvent OnEditButtonClick;
    // What the handler does to the text is not used.
    TMOEditBtnEvent OnListBoxClick;
    TMOCheckCellEvent OnCheckCellClick;

    bool CanEditModify() override;
    // A pasted block leaves the columns that cannot be edited as they are.
    bool ColumnTakesPaste(int col) override;
    // A paste keeps a column's rules as typing does: integer and spin
    // columns take a number only, check boxes "1" or "0"; any other text
    // leaves the cell as it was.
    std::optional<std::string> PastedCellText(int col, int row, const std::string& text) override;

    // Called by the editor: its ellipsis button was clicked, its drop-down
    // list closed with `text` chosen ("" for none), a check box toggled.
    virtual void EditButtonClick();
    virtual void ListClosed(const std::string& text);
    virtual void CheckCell(int col, int row, bool check);

    // The grid's own answer follows the current column, so that the key
    // which opens the editor is not composed by a method the column refuses.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    // Makes the editor of every grid with column definitions. The editor
    // with buttons registers its factory at start-up; without one the grid
    // edits in the plain in-place box.
    using TEditorFactory = TInplaceEdit* (*)(TMOStringGrid& grid);
    static void SetEditorFactory(TEditorFactory factory);

protected:
    // For a derived grid with a create-columns step of its own. A C++
    // constructor cannot reach a derived class's override, so the step is
    // handed in; it runs where the plain grid makes its collection.
    TMOStringGrid(QWidget* parent, const TCreateColumns& createColumns);

    // The registered editor, normally the editor with buttons.
    TInplaceEdit* CreateEditor() override;
    void DrawCell(int col, int row, const QRect& rect, TGridDrawState state) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y,
                   bool doubleClick) override;
    void SizeChanged(int oldColCount, int oldRowCount) override;
    std::string GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const std::string& value) override;
    void Click() override;

private:
    // The definition of a column, or null where there is none.
    const TMOGridColumn* Definition(int col) const;
    void DrawCellText(const QRect& rect, const std::string& text, TAlignment alignment,
                      TAlignmentV alignmentV);
    void DrawCheckBox(const QRect& rect, bool checked);
    std::string IntegerEditText(int col, int row, const std::string& value);

    std::unique_ptr<TMOGridColumns> m_GridColumns;
    TMOGridStyle m_GridStyle = mgsNormal;
    TColor m_StripeColor = clYellow;
    bool m_FixAutoNum = false;
    TDate m_EditDate = TDate::Today();
};

} // namespace zel
