#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zel::cp932 {
namespace {

// "ソ" is 0x83 0x5C in code page 932: its trail byte is a backslash.
const std::string kSo = "\x83\x5C";
// "表" is 0x95 0x5C, "能" 0x94 0x5C: the classic trail-byte backslashes.
const std::string kHyou = "\x95\x5C";

TEST(Cp932, LeadBytesAreTheTwoDoubleByteRangesAndFindNeverMatchesOnATrailByte) {
    for (const char lead : {'\x81', '\x9F', '\xE0', '\xFC'})
        EXPECT_TRUE(IsLeadByte(lead)) << int(static_cast<unsigned char>(lead));
    // Half-width katakana (0xB1) stand alone.
    for (const char single : {'\x80', '\xA0', '\xB1', '\xDF', '\xFD', 'A'})
        EXPECT_FALSE(IsLeadByte(single)) << int(static_cast<unsigned char>(single));
    EXPECT_EQ(Find(kSo, "\\"), std::string::npos);
    EXPECT_EQ(Find(kSo + "\\", "\\"), 2u);
    EXPECT_EQ(Find("a" + kHyou + "b\\", "\\"), 4u);
    // A trail byte that looks like the lead of the needle does not start it.
    EXPECT_EQ(Find("\x83\x81\x40", "\x81\x40"), std::string::npos);
    EXPECT_EQ(Find("abcabc", "bc", 2), 4u);
    EXPECT_EQ(Find("abc", ""), std::string::npos);
    EXPECT_EQ(Find("ab", "abc"), std::string::npos);
}

TEST(Cp932, TruncationKeepsDoubleByteCharactersWhole) {
    const std::string text = "a" + kSo + "b";
    EXPECT_EQ(TruncateBytes(text, 2), "a");
    EXPECT_EQ(TruncateBytes(text, 3), "a" + kSo);
    EXPECT_EQ(TruncateBytes(text, 10), text);
    EXPECT_EQ(LastCharPos(text), 3u);
    EXPECT_EQ(LastCharPos("a" + kSo), 1u);
    EXPECT_EQ(LastCharPos(""), std::string::npos);
}

TEST(Cp932, RoundTripsWithTheWindowsByteValuesAndMarksWhatItCannotHold) {
    for (const char* utf8 : {"髙橋", "ｱｲｳｴｵﾞﾟ", "受験番号 A-12 ～ ｶﾅ", "\t\r\n", ""})
        EXPECT_EQ(ToUtf8(FromUtf8(utf8)), utf8) << utf8;
    // The IBM and NEC extensions where Windows puts them, and ASCII
    // unchanged: no yen sign or overline in place of \ and ~.
    EXPECT_EQ(FromUtf8("髙﨑①ｱソ\\~"), "\xFB\xFC\xFA\xB1\x87\x40\xB1" + kSo + "\\~");
    EXPECT_EQ(ToUtf8(FromUtf8("髙﨑①ｱソ\\~")), "髙﨑①ｱソ\\~");
    EXPECT_EQ(FromUtf8("a€b"), "a?b");
    EXPECT_EQ(FromUtf8("😀"), "?"); // one character outside the BMP: one "?"
    EXPECT_EQ(FromUtf8("髙€"), "\xFB\xFC?");
    // Bytes that are no character decode to replacement characters.
    EXPECT_EQ(ToUtf8("a\x81"), "a\xEF\xBF\xBD"); // a lone lead byte at the end
    EXPECT_EQ(ToUtf8("\xFD"), "\xEF\xBF\xBD");
}

TEST(Cp932, CheckedConversionSaysWhatBecameAQuestionMarkAndWhatCouldStandIn) {
    const struct {
        const char* utf8;
        const char* text;                                        // UTF-8 of the converted text
        std::vector<std::pair<std::size_t, std::string>> unheld; // "?" offset, character
        const char* substituted;                                 // UTF-8 with the substitutes in
    } cases[] = {
        {"山𠮷田", "山?田", {{2, "𠮷"}}, "山吉田"},
        {"𡈽屋 俱楽部", "?屋 ?楽部", {{0, "𡈽"}, {4, "俱"}}, "土屋 倶楽部"},
        // A compatibility ideograph becomes its canonical form.
        {"\uFA30", "?", {{0, "\uFA30"}}, "\u4FAE"}, // 侮 to its unified form
        // Nothing agreed on stands in for emoji or Hangul.
        {"a😀한b", "a??b", {{1, "😀"}, {2, "한"}}, "a??b"},
        // A variation selector only picks a glyph: dropped, not reported.
        {"葛󠄀城", "葛城", {}, "葛城"},
        {"髙橋﨑", "髙橋﨑", {}, "髙橋﨑"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        const TCheckedText checked = FromUtf8Checked(c.utf8);
        EXPECT_EQ(ToUtf8(checked.Text), c.text);
        EXPECT_EQ(checked.Text, FromUtf8(c.utf8));
        std::vector<std::pair<std::size_t, std::string>> unheld;
        for (const TUnheldChar& u : checked.Unheld)
            unheld.emplace_back(u.Offset, u.Utf8);
        EXPECT_EQ(unheld, c.unheld);
        EXPECT_EQ(ToUtf8(WithSubstitutes(checked)), c.substituted);
    }
}

TEST(Cp932, SystemTextsAreConvertedOnceAndStay) {
    const std::string& first = Sys("印刷");
    EXPECT_EQ(&first, &Sys("印刷"));
    EXPECT_EQ(first, "\x88\xF3\x8D\xFC");
}

} // namespace
} // namespace zel::cp932
