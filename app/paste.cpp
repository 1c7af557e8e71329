#include "app/paste.h"

#include "framework/string_list.h"
#include "framework/text_replace.h"
#include "grid/string_grid.h"
#include "grid/string_grid_strings.h"

namespace zel::app {

bool PasteExaminees(TStringGrid& grid, std::string_view text) {
    TStringList lines;
    lines.SetText(ReplaceAllText(text, "\t", ","));
    // Nothing to paste: sizing the grid to a single row would turn the
    // caption row into a data row, so the grid is left as it is.
    if (lines.Count() == 0)
        return false;

    grid.SetRowCount(lines.Count() + 1);
    TStringList fields;
    fields.SetCommaText(lines.Strings(0));
    grid.SetColCount(fields.Count());
    for (int row = 1; row < grid.RowCount(); ++row)
        grid.Rows(row).SetCommaText(lines.Strings(row - 1));
    return true;
}

} // namespace zel::app
