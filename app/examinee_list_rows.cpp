#include "app/examinee_list_rows.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "framework/string_list.h"
#include "platform/cp932.h"

#include <algorithm>
#include <array>

namespace zel::app {
namespace {

std::string Joined(const std::vector<std::string>& cells, std::size_t from) {
    std::string joined;
    for (std::size_t i = from; i < cells.size(); ++i) {
        if (cells[i].empty())
            continue;
        joined += (joined.empty() ? "" : " / ") + cells[i];
    }
    return joined;
}

// The text without half-width and full-width spaces.
std::string WithoutSpaces(std::string_view text) {
    const std::string wide = cp932::Sys("　");
    std::string result;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = cp932::CharLength(text, pos);
        const std::string_view c = text.substr(pos, length);
        if (c != " " && c != wide)
            result.append(c);
        pos += length;
    }
    return result;
}

bool HasDigit(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = cp932::CharLength(text, pos);
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
        // Half-width digits, and the full-width ones of code page 932.
        if ((length == 1 && byte(0) >= '0' && byte(0) <= '9') ||
            (length == 2 && byte(0) == 0x82 && byte(1) >= 0x4F && byte(1) <= 0x58))
            return true;
        pos += length;
    }
    return false;
}

} // namespace

std::vector<TSheetRow> PastedRows(std::string_view text) {
    std::vector<TSheetRow> rows;
    if (text.find('\t') != std::string_view::npos) {
        rows = SplitSheetText(text, '\t', TSheetQuotes::Clipboard).Rows;
        for (TSheetRow& row : rows)
            for (std::string& cell : row.Cells)
                if (cell.find_first_of("\r\n") != std::string::npos)
                    cell = JoinLineBreaks(cell);
    } else {
        // Comma text, a line a row, as the list has always been pasted.
        const std::vector<std::string_view> lines = SplitLines(text);
        rows.reserve(lines.size());
        int line = 0;
        for (const std::string_view text : lines)
            rows.push_back({++line, SplitCommaFields(text)});
    }
    DropTrailingEmptyRows(rows);
    return rows;
}

std::vector<TRowNote> RowNotes(const std::vector<TSheetRow>& rows, int firstRow) {
    std::vector<TRowNote> notes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TSheetRow& row = rows[i];
        const int number = firstRow + static_cast<int>(i);
        const std::string dropped = Joined(row.Cells, kExamineeColumns);
        if (!dropped.empty())
            notes.push_back({.Row = number, .Dropped = true, .Cells = dropped, .CellCount = 0});
        else if (row.Cells.size() < std::size_t{kExamineeColumns} && !row.Empty())
            notes.push_back({.Row = number,
                             .Dropped = false,
                             .Cells = {},
                             .CellCount = static_cast<int>(row.Cells.size())});
    }
    return notes;
}

std::string RowNotesText(const std::vector<TRowNote>& notes) {
    std::string text;
    for (const TRowNote& note : notes) {
        text += Fmt(msg::kRowNumber, {std::int64_t{note.Row}}) + ": ";
        text += note.Dropped ? Fmt(msg::kPasteCellsDropped, {note.Cells})
                             : Fmt(msg::kPasteCellsMissing, {std::int64_t{note.CellCount}});
        text += "\n";
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

bool LooksLikeHeader(const TSheetRow& row) {
    if (row.Empty())
        return false;
    if (!row.Cells.empty() && !row.Cells[0].empty() && !HasDigit(row.Cells[0]))
        return true;
    static const std::array<std::string, kExamineeColumns> kCaptions = {
        cp932::Sys("受験番号"), cp932::Sys("氏名"), cp932::Sys("受験会場")};
    for (std::size_t i = 0; i < row.Cells.size() && i < kCaptions.size(); ++i)
        if (WithoutSpaces(row.Cells[i]) == kCaptions[i])
            return true;
    return false;
}

std::string HeaderText(const TSheetRow& row) {
    return Joined(row.Cells, 0);
}

} // namespace zel::app
