#pragma once
// Characters that code page 932 cannot hold, found in a pasted or typed
// text: the grid rows they landed on, and telling the operator, with the
// offer of well-known substitutes where there are any.

#include "platform/cp932.h"

#include <string>
#include <vector>

namespace zel::app {

struct TUnheldPlace {
    int Row = 0;      // grid row
    std::string Utf8; // the character
    char32_t CodePoint = 0;
    std::string Substitute; // code page 932, or empty
};

// Line i of the pasted text, split as the paste splits it, is grid row
// i + 1.
std::vector<TUnheldPlace> UnheldPlacesInPaste(const cp932::TCheckedText& pasted);

// The same for text that went into the grid from `row` on.
std::vector<TUnheldPlace> UnheldPlacesFrom(const cp932::TCheckedText& text, int row);

// One line per place, "3 行目: 𠮷 (U+20BB7) → 吉", for the first `listed` places,
// then how many more; UTF-8, so the characters themselves can be shown.
std::string UnheldPlacesText(const std::vector<TUnheldPlace>& places, std::size_t listed = 10);

// One message for all of them. True when the operator wants the
// substitutes put in; never asked when there are none.
bool TellUnheldCharacters(const std::vector<TUnheldPlace>& places);

} // namespace zel::app
