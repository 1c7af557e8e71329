#include "platform/profile_encoding.h"

#include "platform/cp932.h"

namespace zel::platform {
namespace {

// Well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF)
// with at least one non-ASCII character.
bool IsValidUtf8WithNonAscii(std::string_view bytes) {
    bool nonAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0)
                low = 0xA0;
            if (b == 0xED)
                high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0)
                low = 0x90;
            if (b == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return nonAscii;
}

bool IsPlausibleCp932(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); i += cp932::CharLength(bytes, i)) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0xA1 && b <= 0xDF)
            return false; // a lone half-width katakana
    }
    // Bytes that are no character decode to U+FFFD.
    return cp932::ToUtf8(bytes).find("\xEF\xBF\xBD") == std::string::npos;
}

} // namespace

bool LooksLikeUtf8(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        return true;
    return IsValidUtf8WithNonAscii(bytes) && !IsPlausibleCp932(bytes);
}

} // namespace zel::platform
