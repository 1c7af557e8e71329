#pragma once
// Integer texts as the system converts them.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zel {

// Leading spaces skipped; then an optional sign and decimal digits, or a
// hexadecimal number of at most eight digits introduced by "$", "x", "X" or
// "0x". The whole text must be consumed and a decimal value must fit in 32
// bits; otherwise there is no value.
std::optional<std::int32_t> StrToInt(std::string_view text);

inline std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
    return StrToInt(text).value_or(fallback);
}

} // namespace zel
