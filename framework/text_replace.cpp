#include "framework/text_replace.h"

#include "platform/cp932.h"

namespace zel {

std::string ReplaceAllText(std::string_view source, std::string_view find,
                           std::string_view replacement) {
    std::string result;
    result.reserve(source.size());
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = cp932::Find(source, find, pos);
        if (hit == std::string_view::npos)
            break;
        result.append(source.substr(pos, hit - pos));
        result.append(replacement);
        pos = hit + find.size();
    }
    result.append(source.substr(pos));
    return result;
}

} // namespace zel
