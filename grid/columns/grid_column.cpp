#include "grid/columns/grid_column.h"

#include "grid/columns/column_string_grid.h"
#include "grid/columns/grid_columns.h"

namespace zel {

TMOGridColumn::TMOGridColumn(TMOGridColumns& collection) : m_Collection(&collection) {
    if (const TMOStringGrid* grid = collection.Grid()) {
        m_Color = grid->Color();
        m_Font = GridFontOf(grid->font());
    }
    m_FixCellFont = m_Font;
}

int TMOGridColumn::Index() const {
    return m_Collection->IndexOf(*this);
}

void TMOGridColumn::Repaint() {
    m_Collection->Repaint();
}

void TMOGridColumn::SetAlignment(TAlignment value) {
    m_Alignment = value;
    Repaint();
}

void TMOGridColumn::SetAlignmentV(TAlignmentV value) {
    m_AlignmentV = value;
    Repaint();
}

void TMOGridColumn::SetCaption(const std::string& value) {
    if (value == m_Caption)
        return;
    m_Caption = value.empty() ? std::string(" ") : value;
    Repaint();
}

void TMOGridColumn::SetColor(TColor value) {
    m_Color = value;
    Repaint();
}

void TMOGridColumn::SetFont(const TGridFont& value) {
    m_Font = value;
    Repaint();
}

void TMOGridColumn::SetFixCellFont(const TGridFont& value) {
    m_FixCellFont = value;
    Repaint();
}

void TMOGridColumn::SetFixAlignment(TAlignment value) {
    m_FixAlignment = value;
    Repaint();
}

void TMOGridColumn::SetFixAlignmentV(TAlignmentV value) {
    m_FixAlignmentV = value;
    Repaint();
}

void TMOGridColumn::SetButtonStyle(TMOColumnButtonStyle value) {
    if (value == m_ButtonStyle)
        return;
    m_ButtonStyle = value;
    m_DataType = value == cbsSpin ? dtInteger : dtString;
    m_Collection->Changed();
}

void TMOGridColumn::SetListStrings(const TStrings& value) {
    if (&value == &m_ListStrings)
        return;
    m_ListStrings.Assign(value);
    m_Collection->Changed();
}

void TMOGridColumn::SetSpinButtonOption(const TMOSpinButtonOption& value) {
    m_SpinButtonOption.Assign(value);
}

void TMOGridColumn::SetCalColors(const TMOMonthCalColors& value) {
    m_CalColors.Assign(value);
}

void TMOGridColumn::Assign(const TMOGridColumn& source) {
    if (&source == this)
        return;
    m_Caption = source.m_Caption;
    m_Alignment = source.m_Alignment;
    m_DataType = source.m_DataType;
    m_DateFormat = source.m_DateFormat;
    m_CalColors = source.m_CalColors;
    m_CanEdit = source.m_CanEdit;
    m_Color = source.m_Color;
    m_FixCellFont = source.m_FixCellFont;
    m_Font = source.m_Font;
    m_ImeMode = source.m_ImeMode;
    m_FixAlignment = taCenter;
    m_FixAlignmentV = tavCenter;
    m_Collection->Changed();
}

} // namespace zel
