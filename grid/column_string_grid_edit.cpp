// Editing by column: the editor takes the column's input-method mode, font
// and colour; check-box cells keep "1" or "0"; integer columns keep the
// last valid number; calendar cells start from an empty date pattern.

#include "grid/column_string_grid.h"

#include "framework/number_text.h"
#include "grid/inplace_edit_3d.h"
#include "platform/cp932.h"

#include <algorithm>

namespace zel {
namespace {

// Edit masks and what an untouched date reads as under them.
constexpr const char* kShortDateMask = "!99/99/00;1;_";
constexpr const char* kLongDateMask = "!9999年99月00日;1;_";
constexpr const char* kEmptyShortDate = "  /  /  ";
constexpr const char* kEmptyLongDate = "    年  月  日";

const std::string& DateMask(TMODateFormat format) {
    return cp932::Sys(format == dtLong ? kLongDateMask : kShortDateMask);
}

const std::string& EmptyDate(TMODateFormat format) {
    return cp932::Sys(format == dtLong ? kEmptyLongDate : kEmptyShortDate);
}

} // namespace

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
        if (auto* editor = dynamic_cast<TInplaceEdit3D*>(InplaceEditor()))
            editor->SetChecked(Cells(col, row) == "1");
        return {};
    case cbsCalendar: {
        const std::string text = TStringGrid::GetEditText(col, row);
        if (TInplaceEdit* editor = InplaceEditor())
            editor->SetEditMask(DateMask(definition->DateFormat()));
        return text.empty() ? EmptyDate(definition->DateFormat()) : text;
    }
    default:
        return TStringGrid::GetEditText(col, row);
    }
}

void TMOStringGrid::SetEditText(int col, int row, const std::string& value) {
    std::string text = value;
    if (const TMOGridColumn* definition = Definition(col)) {
        // A check box edits its flag, not text.
        if (const auto* editor = dynamic_cast<const TInplaceEdit3D*>(InplaceEditor());
            editor && editor->EditStyle() == esCheckBox)
            text = editor->Checked() ? "1" : "0";
        if (definition->ButtonStyle() == cbsCalendar &&
            (value == EmptyDate(dtShort) || value == EmptyDate(dtLong)))
            text.clear();
        if (definition->DataType() == dtInteger)
            text = IntegerEditText(col, row, text);
    }
    TStringGrid::SetEditText(col, row, text);
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
