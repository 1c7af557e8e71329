#include "grid/columns/grid_columns_text.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "grid/columns/grid_column_properties.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace zel {
namespace {

constexpr std::string_view kHeader = "zelmark grid columns 1";
constexpr std::string_view kSection = "[Column]";
constexpr std::string_view kLineEnd = "\r\n";

struct TNamedColor {
    TColor Color;
    const char* Name;
};
constexpr TNamedColor kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clNavy, "clNavy"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clWhite, "clWhite"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
};

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::optional<int> HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

// -- writing --

void WriteText(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        // Trail bytes of double-byte characters are 0x40 and above, so none
        // of them is taken for a quote, a percent sign or a control byte.
        if (b < 0x20 || b == 0x7F || c == '"' || c == '%') {
            out += '%';
            out += kHexDigits[b >> 4];
            out += kHexDigits[b & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

void WriteColor(std::string& out, TColor color) {
    for (const TNamedColor& named : kColorNames) {
        if (named.Color == color) {
            out += named.Name;
            return;
        }
    }
    const auto bits = static_cast<std::uint32_t>(color);
    out += '$';
    for (int shift = 28; shift >= 0; shift -= 4)
        out += kHexDigits[(bits >> shift) & 15];
}

void WriteValue(std::string& out, const TColumnProperty& p, const TStoredValue& value) {
    switch (p.Kind) {
    case TStoredKind::Enum:
        out += p.Names[static_cast<std::size_t>(std::get<int>(value))];
        break;
    case TStoredKind::Int:
        out += std::to_string(std::get<int>(value));
        break;
    case TStoredKind::Color:
        WriteColor(out, std::get<int>(value));
        break;
    case TStoredKind::Text:
        WriteText(out, std::get<std::string>(value));
        break;
    case TStoredKind::TextList: {
        const auto& items = std::get<std::vector<std::string>>(value);
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i > 0)
                out += ',';
            WriteText(out, items[i]);
        }
        break;
    }
    case TStoredKind::FontStyle: {
        const int bits = std::get<int>(value);
        bool first = true;
        for (std::size_t i = 0; i < FontStyleNames().size(); ++i) {
            if ((bits & (1 << i)) == 0)
                continue;
            if (!first)
                out += ',';
            out += FontStyleNames()[i];
            first = false;
        }
        break;
    }
    }
}

// -- reading: every reader refuses with nullopt, the caller names the line --

std::optional<int> ReadInt(std::string_view text, int min, int max) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> ReadName(std::string_view text, std::span<const char* const> names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (text == names[i])
            return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> ReadColor(std::string_view text) {
    for (const TNamedColor& named : kColorNames)
        if (text == named.Name)
            return named.Color;
    if (text.size() != 9 || text[0] != '$')
        return std::nullopt;
    std::uint32_t bits = 0;
    for (const char c : text.substr(1)) {
        const std::optional<int> digit = HexValue(c);
        if (!digit)
            return std::nullopt;
        bits = (bits << 4) | static_cast<std::uint32_t>(*digit);
    }
    // A plain colour, or a system colour by its index.
    const std::uint32_t top = bits >> 24;
    if (top != 0 && !(top == 0xFF && bits <= 0xFF0000FFu))
        return std::nullopt;
    return static_cast<TColor>(bits);
}

// One quoted text from the start of `rest`, which moves past it.
std::optional<std::string> ReadQuoted(std::string_view& rest) {
    if (rest.empty() || rest[0] != '"')
        return std::nullopt;
    std::string text;
    std::size_t i = 1;
    for (;; ++i) {
        if (i >= rest.size())
            return std::nullopt;
        const char c = rest[i];
        const auto b = static_cast<unsigned char>(c);
        if (c == '"')
            break;
        if (b < 0x20 || b == 0x7F)
            return std::nullopt;
        if (c != '%') {
            text += c;
            continue;
        }
        if (i + 2 >= rest.size())
            return std::nullopt;
        const std::optional<int> high = HexValue(rest[i + 1]);
        const std::optional<int> low = HexValue(rest[i + 2]);
        if (!high || !low)
            return std::nullopt;
        text += static_cast<char>(*high * 16 + *low);
        i += 2;
    }
    rest.remove_prefix(i + 1);
    return text;
}

std::optional<TStoredValue> ReadValue(const TColumnProperty& p, std::string_view text) {
    switch (p.Kind) {
    case TStoredKind::Enum:
        if (const std::optional<int> v = ReadName(text, p.Names))
            return *v;
        return std::nullopt;
    case TStoredKind::Int:
        if (const std::optional<int> v = ReadInt(text, p.Min, p.Max))
            return *v;
        return std::nullopt;
    case TStoredKind::Color:
        if (const std::optional<int> v = ReadColor(text))
            return *v;
        return std::nullopt;
    case TStoredKind::Text: {
        std::optional<std::string> v = ReadQuoted(text);
        if (!v || !text.empty())
            return std::nullopt;
        return std::move(*v);
    }
    case TStoredKind::TextList: {
        std::vector<std::string> items;
        while (!text.empty()) {
            if (!items.empty()) {
                if (text[0] != ',')
                    return std::nullopt;
                text.remove_prefix(1);
            }
            std::optional<std::string> item = ReadQuoted(text);
            if (!item)
                return std::nullopt;
            items.push_back(std::move(*item));
        }
        return items;
    }
    case TStoredKind::FontStyle: {
        int bits = 0;
        while (!text.empty()) {
            const std::size_t comma = text.find(',');
            const std::optional<int> bit = ReadName(text.substr(0, comma), FontStyleNames());
            if (!bit || (bits & (1 << *bit)) != 0)
                return std::nullopt;
            bits |= 1 << *bit;
            if (comma == std::string_view::npos)
                break;
            text.remove_prefix(comma + 1);
            if (text.empty())
                return std::nullopt;
        }
        return bits;
    }
    }
    return std::nullopt;
}

// One stored definition: its properties and values, in stored order.
using TStoredColumn = std::vector<std::pair<const TColumnProperty*, TStoredValue>>;

[[noreturn]] void RaiseLineError(int line) {
    throw EGridColumnsError(Fmt(msg::kGridColumnsFormatError, {static_cast<std::int64_t>(line)}));
}

std::vector<TStoredColumn> ReadColumns(std::string_view text) {
    const std::vector<TColumnProperty>& properties = ColumnProperties();
    std::vector<TStoredColumn> columns;
    std::size_t lastProperty = 0;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (lineNumber == 1) {
            if (line != kHeader)
                RaiseLineError(lineNumber);
            continue;
        }
        if (line.empty())
            continue;
        if (line == kSection) {
            columns.emplace_back();
            lastProperty = 0;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (columns.empty() || equals == std::string_view::npos)
            RaiseLineError(lineNumber);
        const std::string_view name = line.substr(0, equals);
        // Each property at most once, and after the ones stored before it.
        std::size_t index = lastProperty;
        while (index < properties.size() && properties[index].Name != name)
            ++index;
        if (index == properties.size())
            RaiseLineError(lineNumber);
        std::optional<TStoredValue> value = ReadValue(properties[index], line.substr(equals + 1));
        if (!value)
            RaiseLineError(lineNumber);
        columns.back().emplace_back(&properties[index], std::move(*value));
        lastProperty = index + 1;
    }
    if (lineNumber == 0)
        RaiseLineError(1);
    return columns;
}

} // namespace

std::string SaveGridColumns(const TMOGridColumns& columns) {
    std::string out(kHeader);
    out += kLineEnd;
    for (int i = 0; i < columns.Count(); ++i) {
        const TMOGridColumn& column = columns.Items(i);
        out += kSection;
        out += kLineEnd;
        for (const TColumnProperty& p : ColumnProperties()) {
            const TStoredValue value = p.Get(column);
            if (p.Default && value == *p.Default)
                continue;
            out += p.Name;
            out += '=';
            WriteValue(out, p, value);
            out += kLineEnd;
        }
    }
    return out;
}

void LoadGridColumns(TMOGridColumns& columns, std::string_view text) {
    const std::vector<TStoredColumn> stored = ReadColumns(text);
    columns.BeginUpdate();
    try {
        columns.Clear();
        for (const TStoredColumn& values : stored) {
            TMOGridColumn& column = columns.Add();
            for (const auto& [property, value] : values)
                property->Set(column, value);
        }
    } catch (...) {
        columns.EndUpdate();
        throw;
    }
    columns.EndUpdate();
}

} // namespace zel
