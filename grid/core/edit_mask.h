#pragma once
// Edit masks as columns write them ("!99/99/00;1;_"): which positions take
// digits or letters, which hold literals that stay in the text, and the
// character shown where nothing has been typed yet. The editor turns a
// parsed mask into the widget's own mask syntax, and reads the widget's
// text back through it so that untyped positions come back as blanks.
// Every text here is code page 932; positions count characters.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

enum class TMaskInput : std::uint8_t { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, Any };

struct TMaskPosition {
    TMaskInput Input = TMaskInput::Literal;
    bool Required = false;
    std::string Literal; // the literal character itself
    friend bool operator==(const TMaskPosition&, const TMaskPosition&) = default;
};

class TEditMask {
public:
    TEditMask() = default;
    // Positions: "0" a digit that must be typed, "9" a digit that may be,
    // "#" a digit or sign, "L"/"l" a letter, "A"/"a" a letter or digit,
    // "C"/"c" any character (upper case: required); "\" makes the next
    // character a literal; "!", ">" and "<" take no position. Then, after
    // ";", "0" when literals are not kept in the text, and after a second
    // ";" the blank character ("_" unless given).
    explicit TEditMask(std::string_view mask);

    bool Empty() const { return m_Positions.empty(); }
    const std::vector<TMaskPosition>& Positions() const { return m_Positions; }
    bool KeepsLiterals() const { return m_KeepsLiterals; }
    char Blank() const { return m_Blank; }

    // The mask in the widget's syntax (code page 932), "" for no mask and
    // for one the widget cannot express (a literal ";").
    std::string WidgetMask() const;
    // True when the mask can hold `text` position by position: it is no
    // longer than the mask and its literals stand where the mask has them.
    bool Fits(std::string_view text) const;
    // What the widget is given to show for a text the mask fits: a blank
    // or a missing character becomes the blank character. Any other text
    // comes back unchanged.
    std::string Shown(std::string_view text) const;
    // The stored text for what the widget shows: every position is there,
    // and an untyped one reads as a space.
    std::string ReadBack(std::string_view shown) const;

private:
    std::vector<TMaskPosition> m_Positions;
    bool m_KeepsLiterals = true;
    char m_Blank = '_';
};

} // namespace zel
