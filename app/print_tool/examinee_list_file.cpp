#include "app/print_tool/examinee_list_file.h"

#include "app/examinee_list_rows.h"
#include "app/unheld_characters.h"
#include "framework/messages.h"
#include "platform/cp932.h"

#include <algorithm>
#include <cstdint>

namespace zel::app {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at `pos`, 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (pos + length > text.size() || byte(pos + 1) < low || byte(pos + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF)
            return 0;
    return length;
}

// Offset of the first byte that is not well-formed UTF-8, or npos.
std::size_t FirstBadUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        if (length == 0)
            return pos;
        pos += length;
    }
    return std::string_view::npos;
}

// Offset of the first character that is not code page 932 text, or npos.
std::size_t FirstBadCp932(std::string_view text) {
    // One conversion tells whether there is any; only then is it looked for.
    if (cp932::ToUtf8(text).find(kReplacement) == std::string::npos)
        return std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = cp932::CharLength(text, pos);
        if (cp932::ToUtf8(text.substr(pos, length)).find(kReplacement) != std::string::npos)
            return pos;
        pos += length;
    }
    return std::string_view::npos;
}

int LineOf(std::string_view text, std::size_t offset) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

[[noreturn]] void RaiseUndecodable(const std::string& name, const char* encoding, int line) {
    throw EToolFailure(name + ": " + std::to_string(line) + " 行目に " + encoding +
                       " として読めないバイトがあります");
}

[[noreturn]] void RaiseUndecodable(const std::string& name, const char* encoding,
                                   std::string_view bytes, std::size_t offset) {
    RaiseUndecodable(name, encoding, LineOf(bytes, offset));
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 after its byte-order mark, as UTF-8. An odd byte at the end or a
// surrogate without its pair raises EToolFailure naming the line.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian, const std::string& name) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    int line = 1;
    const auto unit = [&](std::size_t i) -> std::uint32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8) | b : (b << 8) | a;
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        std::uint32_t code = unit(i);
        if (code >= 0xD800 && code <= 0xDBFF) {
            const std::uint32_t low = i + 3 < bytes.size() ? unit(i + 2) : 0;
            if (low < 0xDC00 || low > 0xDFFF)
                RaiseUndecodable(name, "UTF-16", line);
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if (code >= 0xDC00 && code <= 0xDFFF) {
            RaiseUndecodable(name, "UTF-16", line);
        }
        line += code == '\n' ? 1 : 0;
        AppendUtf8(out, code);
    }
    if (i < bytes.size())
        RaiseUndecodable(name, "UTF-16", line);
    return out;
}

} // namespace

TDecodedList DecodeExamineeList(std::string_view bytes, TListEncoding encoding,
                                const std::string& name) {
    // A UTF-16 byte-order mark says what the file is, whatever was asked:
    // read as anything else it would be nothing but bad bytes.
    if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
        const bool bigEndian = bytes.starts_with(kUtf16BeMark);
        const std::string utf8 = Utf16ToUtf8(bytes.substr(2), bigEndian, name);
        return DecodeExamineeList(utf8, TListEncoding::Utf8, name);
    }
    const bool marked = bytes.starts_with(kUtf8Mark);
    if (encoding == TListEncoding::Detect)
        encoding = marked || FirstBadUtf8(bytes) == std::string_view::npos ? TListEncoding::Utf8
                                                                           : TListEncoding::Cp932;
    TDecodedList decoded;
    if (encoding == TListEncoding::Cp932) {
        if (const std::size_t bad = FirstBadCp932(bytes); bad != std::string_view::npos)
            RaiseUndecodable(name, "Shift-JIS", bytes, bad);
        decoded.Text = bytes;
        return decoded;
    }
    if (marked)
        bytes.remove_prefix(kUtf8Mark.size());
    if (const std::size_t bad = FirstBadUtf8(bytes); bad != std::string_view::npos)
        RaiseUndecodable(name, "UTF-8", bytes, bad);
    const cp932::TCheckedText checked = cp932::FromUtf8Checked(bytes);
    const std::vector<TUnheldPlace> places = UnheldPlacesInPaste(checked);
    if (!places.empty())
        decoded.Warnings.push_back(name + ": Shift-JIS にない文字は \"?\" で印刷されます:\n" +
                                   UnheldPlacesText(places));
    for (const TUnheldPlace& place : places)
        decoded.UnheldRows.push_back(place.Row);
    decoded.Text = checked.Text;
    return decoded;
}

TExamineeTable::TExamineeTable(const std::vector<TSheetRow>& rows) {
    m_Rows.reserve(rows.size());
    for (const TSheetRow& sheetRow : rows) {
        TRow row;
        for (std::size_t i = 0; i < std::min<std::size_t>(sheetRow.Cells.size(), 3); ++i)
            row.Fields[i] = sheetRow.Cells[i];
        m_Rows.push_back(std::move(row));
    }
}

TExamineeTable ReadExamineeTable(std::string_view text, bool keepFirstLine, const std::string& name,
                                 std::vector<std::string>& warnings) {
    const char separator = text.find('\t') != std::string_view::npos ? '\t' : ',';
    TSheetText sheet = SplitSheetText(text, separator, TSheetQuotes::File);
    if (sheet.UnclosedQuoteLine > 0)
        throw EToolFailure(name + ": " + std::to_string(sheet.UnclosedQuoteLine) +
                           " 行目の \" が閉じていません");
    std::vector<TSheetRow>& rows = sheet.Rows;
    for (TSheetRow& row : rows)
        for (std::string& cell : row.Cells)
            if (cell.find_first_of("\r\n") != std::string::npos)
                cell = JoinLineBreaks(cell);
    DropTrailingEmptyRows(rows);
    if (!keepFirstLine && !rows.empty() && LooksLikeHeader(rows.front())) {
        warnings.push_back(name + ": 1 行目は見出しとみなして印刷しません (" +
                           cp932::ToUtf8(HeaderText(rows.front())) +
                           ")。印刷するには --keep-first-line");
        rows.erase(rows.begin());
    }
    if (const std::vector<TRowNote> notes = RowNotes(rows, 1); !notes.empty())
        warnings.push_back(name + ": " + cp932::ToUtf8(cp932::Sys(msg::kPasteRowsNotWhole)) + "\n" +
                           cp932::ToUtf8(RowNotesText(notes)));
    return TExamineeTable(rows);
}

std::string TExamineeTable::Cells(int col, int row) const {
    if (row < 1 || row > static_cast<int>(m_Rows.size()) || col < 0 || col > 2)
        return {};
    return m_Rows[static_cast<std::size_t>(row - 1)].Fields[col];
}

} // namespace zel::app
