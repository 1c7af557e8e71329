#include "platform/cp932.h"

#include <cstring>
#include <mutex>
#include <unordered_map>

namespace zel::cp932 {

std::size_t CharLength(std::string_view text, std::size_t pos) {
    return IsLeadByte(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

std::size_t Find(std::string_view haystack, std::string_view needle, std::size_t from) {
    if (needle.empty() || needle.size() > haystack.size())
        return std::string_view::npos;
    const std::size_t last = haystack.size() - needle.size();
    for (std::size_t i = from; i <= last; i += CharLength(haystack, i)) {
        if (haystack[i] == needle[0] &&
            std::memcmp(haystack.data() + i, needle.data(), needle.size()) == 0)
            return i;
    }
    return std::string_view::npos;
}

std::size_t LastCharPos(std::string_view text) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i))
        last = i;
    return last;
}

std::string_view TruncateBytes(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + CharLength(text, end);
        if (next > maxBytes)
            break;
        end = next;
    }
    return text.substr(0, end);
}

std::string WithSubstitutes(const TCheckedText& checked) {
    std::string out;
    out.reserve(checked.Text.size());
    std::size_t pos = 0;
    for (const TUnheldChar& unheld : checked.Unheld) {
        out.append(checked.Text, pos, unheld.Offset - pos);
        out += unheld.Substitute.empty() ? std::string("?") : unheld.Substitute;
        pos = unheld.Offset + 1;
    }
    out.append(checked.Text, pos);
    return out;
}

namespace {

// Looked up by view, so a message found again costs no copy of its text.
struct TTextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};

} // namespace

const std::string& Sys(const char* utf8Literal) {
    static std::mutex guard;
    static std::unordered_map<std::string, std::string, TTextHash, std::equal_to<>> cache;
    const std::string_view key(utf8Literal);
    std::lock_guard lock(guard);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, FromUtf8(key)).first;
    return it->second;
}

} // namespace zel::cp932
