// Construction, the grid-wide properties, keeping the definitions in step
// with the column count, and the hooks the editor calls.

#include "grid/columns/column_string_grid.h"

#include "grid/core/ime_mode_input.h"

namespace zel {

namespace {
TMOStringGrid::TEditorFactory g_EditorFactory = nullptr;
} // namespace

TMOStringGrid::TMOStringGrid(QWidget* parent)
    : TMOStringGrid(parent,
                    [](TMOStringGrid& grid) { return std::make_unique<TMOGridColumns>(&grid); }) {}

TMOStringGrid::TMOStringGrid(QWidget* parent, const TCreateColumns& createColumns)
    : TStringGrid(parent) {
    SetDefaultRowHeight(20);
    m_GridColumns = createColumns(*this);
    SetColCount(6);
    SetStripeColor(clYellow);
    SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing});
    SetEditorMode(false);
}

TMOStringGrid::~TMOStringGrid() = default;

void TMOStringGrid::SetEditorFactory(TEditorFactory factory) {
    g_EditorFactory = factory;
}

TInplaceEdit* TMOStringGrid::CreateEditor() {
    return g_EditorFactory ? g_EditorFactory(*this) : TStringGrid::CreateEditor();
}

void TMOStringGrid::SetGridColumns(const TMOGridColumns& value) {
    m_GridColumns->Assign(value);
    InvalidateGrid();
}

void TMOStringGrid::SetGridStyle(TMOGridStyle value) {
    if (value == m_GridStyle)
        return;
    m_GridStyle = value;
    InvalidateGrid();
}

void TMOStringGrid::SetStripeColor(TColor value) {
    if (value == m_StripeColor)
        return;
    m_StripeColor = value;
    InvalidateGrid();
}

void TMOStringGrid::SetFixAutoNum(bool value) {
    if (value == m_FixAutoNum)
        return;
    m_FixAutoNum = value;
    InvalidateGrid();
}

const TMOGridColumn* TMOStringGrid::Definition(int col) const {
    return col >= 0 && col < m_GridColumns->Count() ? &m_GridColumns->Items(col) : nullptr;
}

TColor TMOStringGrid::CellColor(int col, int row) const {
    if (m_GridStyle == mgsStriped)
        return row % 2 == 0 ? m_StripeColor : Color();
    const TMOGridColumn* definition = Definition(col);
    return definition ? definition->Color() : Color();
}

void TMOStringGrid::SizeChanged(int oldColCount, int oldRowCount) {
    TStringGrid::SizeChanged(oldColCount, oldRowCount);
    TMOGridColumns& columns = *m_GridColumns;
    columns.SetSyncColCount(false);
    struct SyncOn {
        TMOGridColumns& columns;
        ~SyncOn() { columns.SetSyncColCount(true); }
    } syncOn{columns};
    while (columns.Count() < ColCount())
        columns.Add();
    while (columns.Count() > ColCount())
        columns.Delete(columns.Count() - 1);
    // The current cell may now be in another column.
    RefreshInputMethod(*this);
}

bool TMOStringGrid::CanEditModify() {
    const TMOGridColumn* definition = Definition(Col());
    return !definition || definition->CanEdit();
}

bool TMOStringGrid::ColumnTakesPaste(int col) {
    const TMOGridColumn* definition = Definition(col);
    return !definition || definition->CanEdit();
}

void TMOStringGrid::EditButtonClick() {
    if (!OnEditButtonClick)
        return;
    std::string text = Cells(Col(), Row());
    OnEditButtonClick(this, Col(), Row(), text);
    SetCells(Col(), Row(), text);
}

void TMOStringGrid::ListClosed(const std::string& text) {
    if (!OnListBoxClick)
        return;
    std::string copy = text;
    OnListBoxClick(this, Col(), Row(), copy);
}

void TMOStringGrid::CheckCell(int col, int row, bool check) {
    if (OnCheckCellClick)
        OnCheckCellClick(this, col, row, check);
}

void TMOStringGrid::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y,
                              bool doubleClick) {
    const TGridCoord cell = MouseCoord(x, y);
    const TMOGridColumn* definition = Definition(cell.X);
    if (button != Qt::LeftButton || cell.X < FixedCols() || cell.Y < FixedRows() || !definition ||
        definition->ButtonStyle() != cbsCheckBox) {
        TStringGrid::MouseDown(button, shift, x, y, doubleClick);
        return;
    }
    // A check box toggles where it is clicked; the current cell, the
    // selection and the focus stay.
    HideEditor();
    const bool check = Cells(cell.X, cell.Y) != "1";
    SetCells(cell.X, cell.Y, check ? "1" : "0");
    InvalidateCell(cell.X, cell.Y);
    CheckCell(cell.X, cell.Y, check);
}

void TMOStringGrid::Click() {
    RefreshInputMethod(*this);
    TStringGrid::Click();
}

QVariant TMOStringGrid::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query != Qt::ImEnabled && query != Qt::ImHints)
        return TStringGrid::inputMethodQuery(query);
    const TMOGridColumn* definition = Definition(Col());
    const TImeInput ime = ImeInputFor(definition ? definition->ImeMode() : imClose);
    if (query == Qt::ImEnabled)
        return ime.Enabled;
    return static_cast<int>(ime.Hints);
}

} // namespace zel
