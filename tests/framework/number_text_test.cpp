#include "framework/number_text.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(StrToInt, AcceptsDecimalAndHexadecimalForms) {
    EXPECT_EQ(StrToInt("15"), 15);
    EXPECT_EQ(StrToInt("-3"), -3);
    EXPECT_EQ(StrToInt("+3"), 3);
    EXPECT_EQ(StrToInt("   7"), 7);
    EXPECT_EQ(StrToInt("$A"), 10);
    EXPECT_EQ(StrToInt("$a"), 10);
    EXPECT_EQ(StrToInt("xff"), 255);
    EXPECT_EQ(StrToInt("X10"), 16);
    EXPECT_EQ(StrToInt("0x0A"), 10);
    EXPECT_EQ(StrToInt("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrToInt("007"), 7);
}

TEST(StrToInt, RejectsEverythingElse) {
    for (const char* text :
         {"", " ", "abc", "1.5", "15 ", "\xEF\xBC\x93" /* ３ */, "2147483648", "-2147483649",
          "99999999999", "$", "$123456789", "$G", "+", "-", "+$A", "1e3", "0x", "\t5"})
        EXPECT_EQ(StrToInt(text), std::nullopt) << '"' << text << '"';
    EXPECT_EQ(StrToIntDef("abc", 42), 42);
}

} // namespace
} // namespace zel
