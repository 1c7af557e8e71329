#include "app/examinee_columns.h"

#include "grid/columns/column_string_grid.h"
#include "platform/cp932.h"

namespace zel::app {

void SetUpExamineeColumns(TMOStringGrid& grid) {
    struct Column {
        const char* caption;
        TAlignment alignment;
    };
    // The name's caption is spaced with one full-width space.
    static constexpr Column kColumns[] = {
        {"受験番号", taCenter},
        {"氏　名", taLeftJustify},
        {"受験会場", taLeftJustify},
    };
    const TGridFont font{.Name = cp932::Sys("ＭＳ Ｐゴシック"),
                         .Height = -12,
                         .Charset = platform::kShiftJisCharset,
                         .Color = clWindowText,
                         .Style = 0};
    TMOSpinButtonOption noLimits;
    noLimits.SetMaxValue(0);
    noLimits.SetMinValue(0);

    TMOGridColumns& columns = grid.GridColumns();
    columns.BeginUpdate();
    columns.Clear();
    for (const Column& c : kColumns) {
        TMOGridColumn& column = columns.Add();
        column.SetCaption(cp932::Sys(c.caption));
        column.SetAlignment(c.alignment);
        column.SetCanEdit(true);
        column.SetColor(clWindow);
        column.SetDataType(dtString);
        column.SetFont(font);
        column.SetFixCellFont(font);
        // Names and venues arrive by paste; typing stays direct.
        column.SetImeMode(imDisable);
        column.SetSpinButtonOption(noLimits);
    }
    columns.EndUpdate();
    grid.SetStripeColor(clYellow);
}

} // namespace zel::app
