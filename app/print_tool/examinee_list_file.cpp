#include "app/print_tool/examinee_list_file.h"

#include "app/unheld_characters.h"
#include "framework/string_list.h"
#include "framework/text_replace.h"
#include "platform/cp932.h"

#include <algorithm>

namespace zel::app {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
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

[[noreturn]] void RaiseUndecodable(const std::string& name, const char* encoding,
                                   std::string_view bytes, std::size_t offset) {
    throw EToolFailure(name + ": " + std::to_string(LineOf(bytes, offset)) + " 行目に " + encoding +
                       " として読めないバイトがあります");
}

} // namespace

TDecodedList DecodeExamineeList(std::string_view bytes, TListEncoding encoding,
                                const std::string& name) {
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

TExamineeTable::TExamineeTable(std::string_view text) {
    // As the paste does: tabs become commas, then each line is comma text.
    const std::string commaText = ReplaceAllText(text, "\t", ",");
    const std::vector<std::string_view> lines = SplitLines(commaText);
    m_Rows.reserve(lines.size());
    for (const std::string_view line : lines) {
        std::vector<std::string> fields = SplitCommaFields(line);
        TRow row;
        for (std::size_t i = 0; i < std::min<std::size_t>(fields.size(), 3); ++i)
            row.Fields[i] = std::move(fields[i]);
        m_Rows.push_back(std::move(row));
    }
}

std::string TExamineeTable::Cells(int col, int row) const {
    if (row < 1 || row > static_cast<int>(m_Rows.size()) || col < 0 || col > 2)
        return {};
    return m_Rows[static_cast<std::size_t>(row - 1)].Fields[col];
}

} // namespace zel::app
