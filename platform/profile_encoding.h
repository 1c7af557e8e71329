#pragma once
// Which encoding a settings file is in. The program writes code page 932;
// a file saved by an editor as UTF-8 is read as what it is, not as mojibake.

#include <string_view>

namespace zel::platform {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// True for a file that starts with a UTF-8 byte order mark, or that is
// valid UTF-8 with non-ASCII bytes and no plausible code page 932: read as
// code page 932 it has bytes that are no character, or lone half-width
// katakana where UTF-8's continuation bytes stand (code page 932 Japanese
// is almost never valid UTF-8, UTF-8 Japanese almost always shows these).
bool LooksLikeUtf8(std::string_view bytes);

} // namespace zel::platform
