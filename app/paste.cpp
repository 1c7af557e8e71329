#include "app/paste.h"

#include "framework/string_list.h"
#include "framework/text_replace.h"
#include "grid/core/string_grid.h"
#include "grid/core/string_grid_strings.h"

#include <vector>

namespace zel::app {

bool PasteExaminees(TStringGrid& grid, std::string_view text) {
    const std::string commaText = ReplaceAllText(text, "\t", ",");
    // Views into the one converted text: a long list is not copied line by
    // line before it reaches the grid.
    const std::vector<std::string_view> lines = SplitLines(commaText);
    // Nothing to paste: sizing the grid to a single row would turn the
    // caption row into a data row, so the grid is left as it is.
    if (lines.empty())
        return false;

    const int lineCount = static_cast<int>(lines.size());
    grid.SetRowCount(lineCount + 1);
    grid.SetColCount(static_cast<int>(SplitCommaFields(lines[0]).size()));
    for (int row = 1; row < grid.RowCount(); ++row)
        grid.Rows(row).SetCommaText(lines[static_cast<std::size_t>(row - 1)]);
    return true;
}

} // namespace zel::app
