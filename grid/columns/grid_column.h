#pragma once
// One column's definition in a string grid with column definitions: how
// its header and data cells look and how they are edited. A definition
// lives in the grid's collection and tells the grid when it changes.

#include "framework/alignment.h"
#include "framework/ime_mode.h"
#include "framework/string_list.h"
#include "grid/columns/column_options.h"
#include "grid/columns/grid_column_types.h"
#include "grid/core/grid_font.h"

#include <string>

namespace zel {

class TMOGridColumns;

class TMOGridColumn {
public:
    // A new definition takes the colour and font of the collection's grid.
    explicit TMOGridColumn(TMOGridColumns& collection);

    TMOGridColumn(const TMOGridColumn&) = delete;
    TMOGridColumn& operator=(const TMOGridColumn&) = delete;

    TMOGridColumns& Collection() const { return *m_Collection; }
    int Index() const;

    TMODateFormat DateFormat() const { return m_DateFormat; }
    void SetDateFormat(TMODateFormat value) { m_DateFormat = value; }
    TAlignment Alignment() const { return m_Alignment; }
    void SetAlignment(TAlignment value);
    TAlignmentV AlignmentV() const { return m_AlignmentV; }
    void SetAlignmentV(TAlignmentV value);
    bool CanEdit() const { return m_CanEdit; }
    void SetCanEdit(bool value) { m_CanEdit = value; }
    // Code page 932. Setting an empty caption over another stores " ", so
    // only a definition whose caption was never set has an empty one.
    const std::string& Caption() const { return m_Caption; }
    void SetCaption(const std::string& value);
    TColor Color() const { return m_Color; }
    void SetColor(TColor value);
    TInputDataType DataType() const { return m_DataType; }
    void SetDataType(TInputDataType value) { m_DataType = value; }
    const TGridFont& Font() const { return m_Font; }
    void SetFont(const TGridFont& value);
    const TGridFont& FixCellFont() const { return m_FixCellFont; }
    void SetFixCellFont(const TGridFont& value);
    TAlignment FixAlignment() const { return m_FixAlignment; }
    void SetFixAlignment(TAlignment value);
    TAlignmentV FixAlignmentV() const { return m_FixAlignmentV; }
    void SetFixAlignmentV(TAlignmentV value);
    // Taken by the editor the next time it is loaded for this column.
    TImeMode ImeMode() const { return m_ImeMode; }
    void SetImeMode(TImeMode value) { m_ImeMode = value; }
    // A spin button edits integers, every other style text: changing the
    // style sets DataType to match.
    TMOColumnButtonStyle ButtonStyle() const { return m_ButtonStyle; }
    void SetButtonStyle(TMOColumnButtonStyle value);
    const TStrings& ListStrings() const { return m_ListStrings; }
    void SetListStrings(const TStrings& value);
    const TMOSpinButtonOption& SpinButtonOption() const { return m_SpinButtonOption; }
    void SetSpinButtonOption(const TMOSpinButtonOption& value);
    const TMOMonthCalColors& CalColors() const { return m_CalColors; }
    void SetCalColors(const TMOMonthCalColors& value);

    // Copies the look and the kind of value of another definition. The
    // header alignments go back to centred; the vertical alignment, the
    // button style, the list and the spin options stay as they are.
    void Assign(const TMOGridColumn& source);

private:
    void Repaint();

    TMOGridColumns* m_Collection;
    TMODateFormat m_DateFormat = dtShort;
    TAlignment m_Alignment = taLeftJustify;
    TAlignmentV m_AlignmentV = tavCenter;
    bool m_CanEdit = true;
    std::string m_Caption;
    TColor m_Color = clWindow;
    TInputDataType m_DataType = dtString;
    TGridFont m_Font;
    TGridFont m_FixCellFont;
    TAlignment m_FixAlignment = taCenter;
    TAlignmentV m_FixAlignmentV = tavCenter;
    TImeMode m_ImeMode = imDisable;
    TMOColumnButtonStyle m_ButtonStyle = cbsSimple;
    TStringList m_ListStrings;
    TMOSpinButtonOption m_SpinButtonOption;
    TMOMonthCalColors m_CalColors;
};

} // namespace zel
