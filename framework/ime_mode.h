#pragma once
// How a text control wants the input method while it has the focus. The
// window code maps these to what its platform can express.

#include <cstdint>

namespace zel {

enum TImeMode : std::uint8_t {
    imDisable,  // no input method at all: keys arrive as typed
    imClose,    // input method available but closed: direct input first
    imOpen,     // input method opened
    imDontCare, // whatever state the input method is in
    imSAlpha,   // half-width letters and digits
    imAlpha,    // full-width letters and digits
    imHira,     // hiragana
    imSKata,    // half-width katakana
    imKata,     // full-width katakana
    imChinese,
    imSHanguel,
    imHanguel,
};

} // namespace zel
