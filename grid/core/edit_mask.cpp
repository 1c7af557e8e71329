#include "grid/core/edit_mask.h"

#include "platform/cp932.h"

#include <string_view>

namespace zel {
namespace {

std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> result;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = cp932::CharLength(text, pos);
        result.emplace_back(text.substr(pos, length));
        pos += length;
    }
    return result;
}

bool InputPosition(char c, TMaskPosition& position) {
    struct Entry {
        char Key;
        TMaskInput Input;
        bool Required;
    };
    static constexpr Entry kEntries[] = {
        {'0', TMaskInput::Digit, true},          {'9', TMaskInput::Digit, false},
        {'#', TMaskInput::DigitOrSign, false},   {'L', TMaskInput::Letter, true},
        {'l', TMaskInput::Letter, false},        {'A', TMaskInput::LetterOrDigit, true},
        {'a', TMaskInput::LetterOrDigit, false}, {'C', TMaskInput::Any, true},
        {'c', TMaskInput::Any, false},
    };
    for (const Entry& entry : kEntries) {
        if (entry.Key == c) {
            position = {.Input = entry.Input, .Required = entry.Required, .Literal = {}};
            return true;
        }
    }
    return false;
}

// The widget's letter for each kind of position. Always its optional one:
// the widget refuses a blank in a required position and moves the rest of
// the text forward, while a cell may hold blanks anywhere.
std::string_view WidgetLetter(const TMaskPosition& position) {
    switch (position.Input) {
    case TMaskInput::Digit:
        return "0";
    case TMaskInput::DigitOrSign:
        return "#";
    case TMaskInput::Letter:
        return "a";
    case TMaskInput::LetterOrDigit:
        return "n";
    case TMaskInput::Any:
        return "x";
    case TMaskInput::Literal:
        break;
    }
    return {};
}

} // namespace

TEditMask::TEditMask(std::string_view mask) {
    const std::vector<std::string> chars = Characters(mask);
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (chars[i] == ";") {
            fields.emplace_back();
            continue;
        }
        // An escape stays with its character until the positions are read.
        fields.back() += chars[i];
        if (chars[i] == "\\" && i + 1 < chars.size())
            fields.back() += chars[++i];
    }
    if (fields.size() > 1 && fields[1] == "0")
        m_KeepsLiterals = false;
    if (fields.size() > 2 && fields[2].size() == 1)
        m_Blank = fields[2][0];

    const std::vector<std::string> picture = Characters(fields[0]);
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const std::string& c = picture[i];
        if (c == "!" || c == ">" || c == "<")
            continue;
        TMaskPosition position;
        if (c == "\\" && i + 1 < picture.size())
            position.Literal = picture[++i];
        else if (c.size() != 1 || !InputPosition(c[0], position))
            position.Literal = c;
        m_Positions.push_back(std::move(position));
    }
}

std::string TEditMask::WidgetMask() const {
    if (Empty())
        return {};
    // Letters the widget reads as positions or switches, taken literally
    // only when escaped.
    constexpr std::string_view kWidgetSpecial = "AaNnXx90Dd#HhBb><!{}[]\\;";
    std::string result;
    for (const TMaskPosition& position : m_Positions) {
        if (position.Input != TMaskInput::Literal) {
            result += WidgetLetter(position);
            continue;
        }
        // The widget ends its mask at the first ";", escaped or not.
        if (position.Literal == ";")
            return {};
        if (position.Literal.size() == 1 &&
            kWidgetSpecial.find(position.Literal[0]) != std::string_view::npos)
            result += '\\';
        result += position.Literal;
    }
    return result + ';' + m_Blank;
}

bool TEditMask::Fits(std::string_view text) const {
    const std::vector<std::string> chars = Characters(text);
    std::size_t next = 0;
    for (const TMaskPosition& position : m_Positions) {
        const bool literal = position.Input == TMaskInput::Literal;
        if (literal && !m_KeepsLiterals)
            continue;
        if (next < chars.size() && literal && chars[next] != position.Literal)
            return false;
        ++next;
    }
    return chars.size() <= next;
}

std::string TEditMask::Shown(std::string_view text) const {
    if (Empty() || !Fits(text))
        return std::string(text);
    const std::vector<std::string> chars = Characters(text);
    std::string result;
    std::size_t next = 0;
    for (const TMaskPosition& position : m_Positions) {
        if (position.Input == TMaskInput::Literal) {
            result += position.Literal;
            next += m_KeepsLiterals ? 1 : 0;
            continue;
        }
        const std::string c = next < chars.size() ? chars[next] : std::string();
        ++next;
        result += c.empty() || c == " " ? std::string(1, m_Blank) : c;
    }
    return result;
}

std::string TEditMask::ReadBack(std::string_view shown) const {
    if (Empty())
        return std::string(shown);
    const std::vector<std::string> chars = Characters(shown);
    std::string result;
    for (std::size_t i = 0; i < m_Positions.size(); ++i) {
        const TMaskPosition& position = m_Positions[i];
        if (position.Input == TMaskInput::Literal) {
            if (m_KeepsLiterals)
                result += position.Literal;
            continue;
        }
        const std::string c = i < chars.size() ? chars[i] : std::string();
        result += c.empty() || c == std::string(1, m_Blank) ? std::string(" ") : c;
    }
    return result;
}

} // namespace zel
