#pragma once
// Well-known forms that code page 932 holds, for characters it does not:
// chiefly the variant forms of surname characters.

#include <QString>

namespace zel::cp932 {

// The substitute for one character outside code page 932, or an empty text
// when there is no agreed one (emoji, Hangul, most rare ideographs).
QString SubstituteFor(char32_t c);

// Variation selectors only pick a glyph of the character before them; code
// page 932 has no place for them and the base character prints as meant.
constexpr bool IsVariationSelector(char32_t c) {
    return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

} // namespace zel::cp932
