#include "framework/sheet_text.h"

#include <algorithm>

namespace zel {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Reads the sheet one cell at a time.
class TSheetReader {
public:
    TSheetReader(std::string_view text, char separator, TSheetQuotes quotes)
        : m_Text(text), m_Separator(separator), m_Quotes(quotes) {}

    TSheetText Read() {
        TSheetText sheet;
        while (m_Pos < m_Text.size()) {
            TSheetRow row;
            row.Line = m_Line;
            for (;;) {
                if (!ReadCell(row.Cells)) {
                    sheet.UnclosedQuoteLine = row.Line;
                    return sheet;
                }
                if (m_Pos < m_Text.size() && m_Text[m_Pos] == m_Separator) {
                    ++m_Pos;
                    continue;
                }
                break;
            }
            SkipLineEnd();
            sheet.Rows.push_back(std::move(row));
        }
        return sheet;
    }

private:
    bool AtCellEnd(std::size_t pos) const {
        return pos >= m_Text.size() || m_Text[pos] == m_Separator || IsLineEnd(m_Text[pos]);
    }

    void SkipLineEnd() {
        if (m_Pos >= m_Text.size())
            return;
        if (m_Text[m_Pos] == '\r' && m_Pos + 1 < m_Text.size() && m_Text[m_Pos + 1] == '\n')
            ++m_Pos;
        ++m_Pos;
        ++m_Line;
    }

    // False only for a file's quote that never closes.
    bool ReadCell(std::vector<std::string>& cells) {
        if (m_Pos < m_Text.size() && m_Text[m_Pos] == '"') {
            std::string value;
            int lines = 0;
            std::size_t pos = m_Pos + 1;
            bool closed = false;
            while (pos < m_Text.size()) {
                const char c = m_Text[pos];
                if (c == '"') {
                    if (pos + 1 < m_Text.size() && m_Text[pos + 1] == '"') {
                        value += '"';
                        pos += 2;
                        continue;
                    }
                    closed = true;
                    break;
                }
                if (c == '\n' ||
                    (c == '\r' && (pos + 1 >= m_Text.size() || m_Text[pos + 1] != '\n')))
                    ++lines;
                value += c;
                ++pos;
            }
            if (!closed && m_Quotes == TSheetQuotes::File)
                return false;
            if (closed && (m_Quotes == TSheetQuotes::File || AtCellEnd(pos + 1))) {
                m_Pos = pos + 1;
                m_Line += lines;
                // A file's cell goes on after its closing quote up to the
                // separator, as spreadsheets read it.
                const std::size_t rest = m_Pos;
                while (!AtCellEnd(m_Pos))
                    ++m_Pos;
                value.append(m_Text.substr(rest, m_Pos - rest));
                cells.push_back(std::move(value));
                return true;
            }
        }
        const std::size_t start = m_Pos;
        while (!AtCellEnd(m_Pos))
            ++m_Pos;
        cells.emplace_back(TrimBlanks(m_Text.substr(start, m_Pos - start)));
        return true;
    }

    std::string_view m_Text;
    char m_Separator;
    TSheetQuotes m_Quotes;
    std::size_t m_Pos = 0;
    int m_Line = 1;
};

} // namespace

bool TSheetRow::Empty() const {
    return std::ranges::all_of(Cells, [](const std::string& cell) { return cell.empty(); });
}

TSheetText SplitSheetText(std::string_view text, char separator, TSheetQuotes quotes) {
    return TSheetReader(text, separator, quotes).Read();
}

void DropTrailingEmptyRows(std::vector<TSheetRow>& rows) {
    while (!rows.empty() && rows.back().Empty())
        rows.pop_back();
}

std::string JoinLineBreaks(std::string_view text) {
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        joined += IsLineEnd(text[i]) ? ' ' : text[i];
    }
    return joined;
}

} // namespace zel
