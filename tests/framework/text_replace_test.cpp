#include "framework/text_replace.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(ReplaceAllText, ReplacesLeftToRightWithoutRescanningNorInsideACharacter) {
    EXPECT_EQ(ReplaceAllText("1\t2\t\t3\t", "\t", ","), "1,2,,3,");
    EXPECT_EQ(ReplaceAllText("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAllText("ab", "a", "aa"), "aab"); // the replacement is not searched
    EXPECT_EQ(ReplaceAllText("xyz", "q", "r"), "xyz");
    EXPECT_EQ(ReplaceAllText("", "\t", ","), "");
    EXPECT_EQ(ReplaceAllText("abc", "", ","), "abc");
    // "ソ" is 0x83 0x5C; "\x5C" alone is a backslash only outside it.
    const std::string so = "\x83\x5C";
    EXPECT_EQ(ReplaceAllText(so + "\\" + so, "\\", "/"), so + "/" + so);
    // "\x81\x40" is the ideographic space; its trail byte "@" stays.
    EXPECT_EQ(ReplaceAllText("\x81\x40@", "@", "#"), "\x81\x40#");
    const std::string name = cp932::FromUtf8("髙橋\t表示\t能力");
    EXPECT_EQ(cp932::ToUtf8(ReplaceAllText(name, "\t", ",")), "髙橋,表示,能力");
}

} // namespace
} // namespace zel
