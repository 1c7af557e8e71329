#pragma once
// Fills a message pattern's %s and %d in order, the way the system formats
// its error texts. The pattern is a UTF-8 literal; the result and every
// argument are code page 932 text.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace zel {

using FmtArg = std::variant<std::string_view, std::int64_t>;

std::string Fmt(const char* utf8Pattern, std::initializer_list<FmtArg> args);

} // namespace zel
