// Text pasted into the string grid by key: a block of lines and fields, or
// one cell's text.

#include "framework/string_list.h"
#include "framework/text_replace.h"
#include "grid/core/string_grid.h"
#include "platform/clipboard.h"

#include <algorithm>
#include <vector>

namespace zel {

void TStringGrid::PasteBlock(int col, int row, std::string_view text) {
    const std::string commaText = ReplaceAllText(text, "\t", ",");
    const std::vector<std::string_view> lines = SplitLines(commaText);
    if (lines.empty())
        return;
    std::vector<std::vector<std::string>> block;
    block.reserve(lines.size());
    std::size_t widest = 0;
    for (const std::string_view line : lines) {
        block.push_back(SplitCommaFields(line));
        widest = std::max(widest, block.back().size());
    }
    SetRowCount(std::max(RowCount(), row + static_cast<int>(block.size())));
    SetColCount(std::max(ColCount(), col + static_cast<int>(widest)));
    // One repaint for the block, not one per cell.
    SetUpdateState(true);
    try {
        std::vector<bool> takesPaste(widest);
        for (std::size_t j = 0; j < widest; ++j)
            takesPaste[j] = ColumnTakesPaste(col + static_cast<int>(j));
        for (std::size_t i = 0; i < block.size(); ++i) {
            const int cellRow = row + static_cast<int>(i);
            for (std::size_t j = 0; j < block[i].size(); ++j) {
                if (!takesPaste[j])
                    continue;
                const std::string& field = block[i][j];
                SetCells(col + static_cast<int>(j), cellRow,
                         field.empty() ? std::string(" ") : field);
            }
        }
    } catch (...) {
        SetUpdateState(false);
        throw;
    }
    SetUpdateState(false);
}

void TStringGrid::PasteFromClipboard() {
    const std::optional<cp932::TCheckedText> text = platform::ClipboardCheckedText();
    if (!text || text->Text.empty())
        return;
    const int col = Col();
    const int row = Row();
    const auto put = [&](const std::string& bytes) {
        if (bytes.find_first_of("\t\r\n") == std::string::npos)
            SetCells(col, row, bytes);
        else
            PasteBlock(col, row, bytes);
    };
    put(text->Text);
    if (!text->Unheld.empty() && OnUnheldText && OnUnheldText(*text, col, row))
        put(cp932::WithSubstitutes(*text));
}

} // namespace zel
