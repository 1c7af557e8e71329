#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace zel {
namespace {

TEST(StrToInt, AcceptsDecimalAndHexadecimalFormsAndNothingElse) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"15", 15},   {"-3", -3},  {"+3", 3},    {"   7", 7}, {"$A", 10},        {"$a", 10},
        {"xff", 255}, {"X10", 16}, {"0x0A", 10}, {"007", 7},  {"$FFFFFFFF", -1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(StrToInt(text), value) << text;
    EXPECT_EQ(StrToInt("$7FFFFFFF"), INT32_MAX);
    EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    for (const char* text :
         {"", " ", "abc", "1.5", "15 ", "\xEF\xBC\x93" /* ３ */, "2147483648", "-2147483649",
          "99999999999", "$", "$123456789", "$G", "+", "-", "+$A", "1e3", "0x", "\t5"})
        EXPECT_EQ(StrToInt(text), std::nullopt) << '"' << text << '"';
    EXPECT_EQ(StrToIntDef("abc", 42), 42);
}

} // namespace
} // namespace zel
