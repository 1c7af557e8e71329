// The page expander on arbitrary bits, and compress-then-expand on the
// same bytes taken as a page.

#include "output/page_compression.h"
#include "tests/fuzz/fuzz_check.h"

#include <string>
#include <string_view>

namespace {

using zel::TQRCompress;

void ExpandArbitraryBits(std::string_view bits) {
    // Every byte costs at least one bit, so no input yields more bytes than
    // it has bits; the expander must stop by itself before that.
    TQRCompress expander(bits);
    std::size_t expanded = 0;
    while (expander.Expand()) {
        ++expanded;
        FUZZ_CHECK(expanded <= 8 * bits.size(), "more bytes than bits");
    }
    FUZZ_CHECK(expander.InputUsed() <= bits.size(), "read past the input");
}

void RoundTrip(std::string_view page) {
    std::string packed;
    {
        TQRCompress compressor(&packed);
        for (const char c : page)
            compressor.Compress(static_cast<std::uint8_t>(c));
    }
    // 255 inner nodes: no code is longer than 255 bits.
    FUZZ_CHECK(packed.size() <= 32 * page.size(), "a code longer than the tree is deep");
    TQRCompress expander(packed);
    for (const char c : page) {
        const auto byte = expander.Expand();
        FUZZ_CHECK(byte.has_value(), "packed page ends early");
        FUZZ_CHECK(*byte == static_cast<std::uint8_t>(c), "expanded byte differs");
    }
    FUZZ_CHECK(expander.InputUsed() == packed.size(), "page does not use its packed bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ExpandArbitraryBits(bytes);
    RoundTrip(bytes);
    return 0;
}
