#include "output/page_compression.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zel {
namespace {

std::string Compressed(const std::string& input) {
    std::string output;
    {
        TQRCompress compressor(&output);
        for (const char c : input)
            compressor.Compress(static_cast<std::uint8_t>(c));
    }
    return output;
}

std::optional<std::string> Expanded(const std::string& packed, std::size_t length) {
    TQRCompress expander(packed);
    std::string out;
    for (std::size_t i = 0; i < length; ++i) {
        const auto byte = expander.Expand();
        if (!byte)
            return std::nullopt;
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

using namespace std::string_literals;

TEST(Compression, KnownCodesMatchTheTreeBitForBitAndOthersFail) {
    const struct {
        std::string input, packed;
    } cases[] = {
        {""s, ""s},
        {"A"s, "\x42"s},
        {"\xFE"s, "\xFF"s},
        {"\xFF"s, "\x00\x00"s},
        {"\x00\x00"s, "\x80\x0F"s},
        {"\x00\x00\x01"s, "\x80\xAF\x00"s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Compressed(c.input), c.packed) << c.input.size();
        EXPECT_EQ(Expanded(c.packed, c.input.size()), c.input) << c.input.size();
    }
    // From the fresh tree nine zero bits reach byte 255 and eight zeros then
    // a one reach the unused leaf beside it.
    const std::pair<std::string, std::size_t> failing[] = {{"", 1}, {"\x42", 2}, {"\x00\x01"s, 1}};
    for (const auto& [packed, length] : failing)
        EXPECT_FALSE(Expanded(packed, length)) << packed.size();
}

TEST(Compression, RoundTripsEveryByteValueAndRandomRepetitiveData) {
    std::string everyByte;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b)
            everyByte.push_back(static_cast<char>(round == 1 ? 255 - b : b));
    std::mt19937 random(7);
    std::string mixed;
    for (int i = 0; i < 50000; ++i)
        mixed.push_back(static_cast<char>(i % 3 == 0 ? random() & 0xFF : "page "[i % 5]));
    for (const std::string& input : {everyByte, mixed})
        EXPECT_EQ(Expanded(Compressed(input), input.size()), input) << input.size();
    EXPECT_LT(Compressed(mixed).size(), mixed.size());
}

TEST(Compression, WritesNoByteBeyondTheLastBit) {
    // Whatever the bit count, the expander needs every packed byte: a code
    // ending on a byte boundary gets no extra flush byte.
    std::string input;
    for (int n = 1; n <= 300; ++n) {
        input.push_back(static_cast<char>((n * 37) % 11 + (n % 7 == 0 ? 200 : 60)));
        const std::string packed = Compressed(input);
        TQRCompress expander(packed);
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(expander.Expand()) << n;
        EXPECT_EQ(expander.InputUsed(), packed.size()) << n;
    }
}

} // namespace
} // namespace zel
