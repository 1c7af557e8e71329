#pragma once
// Replacing texts inside code page 932 strings.

#include <string>
#include <string_view>

namespace zel {

// `source` with every occurrence of `find` replaced, left to right and
// without overlaps; replaced text is never searched again, and a match never
// starts on the second byte of a double-byte character. An empty `find`
// changes nothing.
std::string ReplaceAllText(std::string_view source, std::string_view find,
                           std::string_view replacement);

} // namespace zel
