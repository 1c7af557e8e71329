#pragma once
// Horizontal placement of text, shared by report labels and grid cells.

#include <cstdint>

namespace zel {

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

} // namespace zel
