#pragma once
// Horizontal placement of text and controls, and the reading direction
// that may mirror it.

#include "framework/alignment.h"

#include <cstdint>

namespace zel {

enum TBiDiMode : std::uint8_t {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};

// Right-to-left text is aligned the other way round only in bdRightToLeft.
constexpr TAlignment MirroredAlignment(TAlignment alignment, TBiDiMode mode) {
    if (mode != bdRightToLeft)
        return alignment;
    switch (alignment) {
    case taLeftJustify:
        return taRightJustify;
    case taRightJustify:
        return taLeftJustify;
    case taCenter:
        break;
    }
    return alignment;
}

} // namespace zel
