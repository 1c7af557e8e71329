// Editing by column: the editor takes the column's input-method mode, font
// and colour; check-box cells keep "1" or "0"; integer columns keep the
// last valid number; calendar cells edit a masked date, and an untouched
// mask stores nothing.

#include "grid/columns/column_string_grid.h"

#include "framework/number_text.h"
#include "grid/columns/calendar_text.h"
#include "grid/columns/column_cell_editor.h"
#include "grid/core/inplace_edit.h"
#include "platform/cp932.h"

#include <algorithm>

namespace zel {
std::string TMOStringGrid::GetEditText(int col, int row) {
    const TMOGridColumn* definition = Definition(col);
    if (TInplaceEdit* editor = InplaceEditor()) {
        const TGridFont font = definition ? definition->Font() : GridFontOf(this->font());
        editor->SetImeMode(definition ? definition->ImeMode() : imClose);
        editor->setFont(ToQFont(font));
        editor->SetFontColor(font.Color);
        editor->SetColor(CellColor(col, row));
    }
    if (!definition)
        return TStringGrid::GetEditText(col, row);
    switch (definition->ButtonStyle()) {
    case cbsCheckBox:
        if (auto* editor = dynamic_cast<TColumnCellEditor*>(InplaceEditor()))
            editor->SetChecked(Cells(col, row) == "1");
        return {};
    case cbsCalendar: {
        const TMODateFormat format = definition->DateFormat();
        const std::string text = TStringGrid::GetEditText(col, row);
        if (TInplaceEdit* editor = InplaceEditor())
            editor->SetEditMask(CalendarEditMask(format));
        m_EditDate = CalendarCellDate(format, text);
        return text.empty() ? CalendarBlankText(format) : text;
    }
    default:
        return TStringGrid::GetEditText(col, row);
    }
}

void TMOStringGrid::SetEditText(int col, int row, const std::string& value) {
    std::string text = value;
    if (const TMOGridColumn* definition = Definition(col)) {
        // A check box edits its flag, not text.
        if (const auto* editor = dynamic_cast<const TColumnCellEditor*>(InplaceEditor());
            editor && editor->EditsCheckBox())
            text = editor->Checked() ? "1" : "0";
        if (definition->ButtonStyle() == cbsCalendar && IsCalendarBlankText(value))
            text.clear();
        if (definition->DataType() == dtInteger)
            text = IntegerEditText(col, row, text);
    }
    TStringGrid::SetEditText(col, row, text);
}

std::optional<std::string> TMOStringGrid::PastedCellText(int col, int row,
                                                         const std::string& text) {
    const TMOGridColumn* definition = Definition(col);
    if (!definition)
        return TStringGrid::PastedCellText(col, row, text);
    if (definition->ButtonStyle() == cbsCheckBox) {
        if (text == "1" || text == "0")
            return text;
        return std::nullopt;
    }
    if (definition->DataType() == dtInteger || definition->ButtonStyle() == cbsSpin) {
        if (const std::optional<std::int32_t> number = StrToInt(text))
            return std::to_string(*number);
        return std::nullopt;
    }
    return text;
}

std::string TMOStringGrid::IntegerEditText(int col, int row, const std::string& text) {
    if (text == "-")
        return "-0";
    if (text.empty())
        return text;
    if (const std::optional<std::int32_t> number = StrToInt(text))
        return std::to_string(*number);
    // Not a number: the cell keeps its last valid value and the editor
    // shows it again, with the caret where the bad key went in.
    const std::string kept = Cells(col, row);
    if (TInplaceEdit* editor = InplaceEditor()) {
        const int caret = std::max(0, editor->cursorPosition() - 1);
        editor->SetText(kept);
        editor->setCursorPosition(caret);
    }
    return kept;
}

} // namespace zel
