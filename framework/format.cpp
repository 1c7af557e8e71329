#include "framework/format.h"

#include "platform/cp932.h"

namespace zel {

std::string Fmt(const char* utf8Pattern, std::initializer_list<FmtArg> args) {
    const std::string& pattern = cp932::Sys(utf8Pattern);
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); i += cp932::CharLength(pattern, i)) {
        const char c = pattern[i];
        const bool directive =
            c == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 's' || pattern[i + 1] == 'd');
        if (!directive) {
            out.append(pattern, i, cp932::CharLength(pattern, i));
            continue;
        }
        if (next == args.end()) {
            out.append(pattern, i, 2); // left as written: easier to notice
        } else if (const auto* text = std::get_if<std::string_view>(&*next)) {
            out += *text;
            ++next;
        } else {
            out += std::to_string(std::get<std::int64_t>(*next));
            ++next;
        }
        ++i; // the directive letter
    }
    return out;
}

} // namespace zel
