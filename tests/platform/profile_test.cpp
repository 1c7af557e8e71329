#include "platform/cp932.h"
#include "platform/profile.h"
#include "platform/profile_encoding.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace zel::platform {
namespace {

TEST(ProfileLookup, NamesMatchInAnyCaseBlanksAreTrimmedAndOnlyPairedQuotesGo) {
    const std::string file =
        "[Basic]\r\n;name=x\nname\n  NAME   =  \"Quoted\"  \r\nname=2\nyear=\r\n[margin]\nleft=3\r"
        "[s]\na='x'\nb=\"x\nc=\"\"\nd=\"a\"b\"\ne='x\"\n"
        "\x83\x41=upper\n";
    // {} for no value; "year" is present but empty. "ア" is 0x83 0x41 and
    // "ビ" 0x83 0x72: trail bytes that are letters.
    const struct {
        const char *section, *key;
        std::optional<std::string> value;
    } cases[] = {
        {"basic", "name", "Quoted"}, {"BASIC", "Year", ""},
        {"margin", "left", "3"},     {"basic", "left", {}},
        {"none", "name", {}},        {"s", "a", "x"},
        {"s", "b", "\"x"},           {"s", "c", ""},
        {"s", "d", "a\"b"},          {"s", "e", "'x\""},
        {"s", "\x83\x41", "upper"},  {"s", "\x83\x61", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProfileLookup(file, c.section, c.key), c.value) << c.section << " " << c.key;
}

TEST(ProfileLookup, ValuesAreCutAtTheReadLimitOnACharacterBoundary) {
    const std::string longAscii(3000, 'a');
    EXPECT_EQ(ProfileLookup("[s]\nk=" + longAscii, "s", "k")->size(), kProfileValueLimit);
    std::string kanji;
    for (int i = 0; i < 1500; ++i)
        kanji += "\x8E\x9A"; // "字"
    const std::string cut = *ProfileLookup("[s]\nk=" + kanji, "s", "k");
    EXPECT_EQ(cut.size(), 2046u);
}

TEST(ProfileUpdate, CreatesSectionsAndKeysReplacesInPlaceAndKeepsOtherLines) {
    std::string file = ProfileUpdate("", "basic", "name", "A");
    EXPECT_EQ(file, "[basic]\r\nname=A\r\n");
    file = ProfileUpdate(file, "basic", "year", "");
    EXPECT_EQ(file, "[basic]\r\nname=A\r\nyear=\r\n");
    file = ProfileUpdate(file, "margin", "left", "-3");
    EXPECT_EQ(file, "[basic]\r\nname=A\r\nyear=\r\n\r\n[margin]\r\nleft=-3\r\n");
    file = ProfileUpdate(file, "BASIC", "NAME", "B");
    EXPECT_EQ(file, "[basic]\r\nNAME=B\r\nyear=\r\n\r\n[margin]\r\nleft=-3\r\n");
    EXPECT_EQ(ProfileLookup(file, "basic", "name"), "B");
    // A new key goes after its section's last line; other lines stay.
    EXPECT_EQ(ProfileUpdate("; settings\n[a]\nx=1\n\n[b]\ny=2\n", "a", "z", "3"),
              "; settings\r\n[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n");
    // A line break in a value cannot add keys or sections.
    file = ProfileUpdate("", "basic", "name", "x\r\n[margin]\r\nleft=9");
    EXPECT_EQ(ProfileLookup(file, "margin", "left"), std::nullopt);
    EXPECT_EQ(ProfileLookup(file, "basic", "name"), "x  [margin]  left=9");
}

TEST(ProfileFile, ReadsWhatItWritesAndFallsBackWhenAbsent) {
    test::TTempDir dir;
    const std::string path = dir.File("zel.ini");
    EXPECT_EQ(GetProfileString("basic", "name", "default", path), "default");
    const std::string school = cp932::FromUtf8("髙橋ゼミナール①");
    ASSERT_TRUE(WriteProfileString("basic", "name", school, path));
    EXPECT_EQ(GetProfileString("basic", "name", "default", path), school);
    EXPECT_EQ(GetProfileString("basic", "year", "default", path), "default");
    EXPECT_EQ(test::ReadAll(path), "[basic]\r\nname=" + school + "\r\n");
    // A write into a missing folder fails and creates nothing.
    const std::string lost = dir.File("missing/zel.ini");
    EXPECT_FALSE(WriteProfileString("basic", "name", "x", lost));
    EXPECT_EQ(GetProfileString("basic", "name", "none", lost), "none");
    // A UTF-16 file is not rewritten line by line into garbage.
    const std::string utf16("\xFF\xFE[\0b\0]\0\r\0\n\0", 12);
    test::WriteAll(path, utf16);
    EXPECT_FALSE(WriteProfileString("basic", "name", "x", path));
    EXPECT_EQ(test::ReadAll(path), utf16);
}

TEST(ProfileFile, AValueReadingWouldChangeIsWrittenInQuotes) {
    const std::string juku = cp932::FromUtf8("山田塾");
    const std::string longText = " " + std::string(2100, 'x');
    const struct {
        const char* name;
        std::string value;
        std::string stored; // after "name="
        std::string readBack;
    } cases[] = {
        {"plain keeps its bytes", juku, juku, juku},
        {"inner blank keeps its bytes", "a b", "a b", "a b"},
        {"one quote keeps its bytes", "'A", "'A", "'A"},
        {"leading blank", " " + juku, "\" " + juku + "\"", " " + juku},
        {"trailing tab", juku + "\t", "\"" + juku + "\t\"", juku + "\t"},
        {"single quotes", "'A'", "\"'A'\"", "'A'"},
        {"double quotes", "\"A\"", "\"\"A\"\"", "\"A\""},
        {"line break becomes a trailing blank", "A\r\n", "\"A  \"", "A  "},
        {"read limit still cuts", longText, "\"" + longText + "\"", longText.substr(0, 2047)},
    };
    for (const auto& c : cases) {
        test::TTempDir dir;
        const std::string path = dir.File("zel.ini");
        ASSERT_TRUE(WriteProfileString("basic", "name", c.value, path));
        EXPECT_EQ(test::ReadAll(path), "[basic]\r\nname=" + c.stored + "\r\n") << c.name;
        EXPECT_EQ(GetProfileString("basic", "name", "", path), c.readBack) << c.name;
    }
}

TEST(ProfileFile, AFileWrittenTheWindowsWayReadsBack) {
    test::TTempDir dir;
    const std::string path = dir.File("zel.ini");
    const std::string school = cp932::FromUtf8("ソフト表能塾"); // trail-byte backslashes
    test::WriteAll(path, "[basic]\r\nname = " + school + " \r\n\r\n[margin]\r\nleft = -3\r\n");
    EXPECT_EQ(GetProfileString("basic", "name", "", path), school);
    EXPECT_EQ(GetProfileString("margin", "left", "", path), "-3");
}

TEST(ProfileEncoding, UTF8IsToldFromCodePage932) {
    const struct {
        std::string bytes;
        bool utf8;
    } cases[] = {
        {"name=ゼルマーク塾", true}, // this source file is UTF-8
        {"\xEF\xBB\xBFname=abc", true},
        {"name=" + cp932::FromUtf8("ゼルマーク塾"), false},
        {"name=" + cp932::FromUtf8("ｾﾞﾙﾏｰｸ"), false},
        {"name=" + cp932::FromUtf8("髙橋ゼミナール①"), false},
        {"name=abc", false},
        // "芝芝" in UTF-8 also reads as three code page 932 kanji: taken
        // for code page 932, as the file this program writes.
        {"name=\xE8\x8A\x9D\xE8\x8A\x9D", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LooksLikeUtf8(c.bytes), c.utf8) << c.bytes;
}

TEST(ProfileFile, AUTF8FileIsReadAsUTF8AndWrittenBackWithoutLosingAnything) {
    test::TTempDir dir;
    const std::string path = dir.File("zel.ini");
    // Saved by an editor: read as UTF-8, written back in code page 932.
    test::WriteAll(path, "\xEF\xBB\xBF[basic]\nname=髙橋ゼミナール\nyear=6\n");
    const TProfileText name = GetProfileText("basic", "name", "", path);
    EXPECT_EQ(cp932::ToUtf8(name.Text), "髙橋ゼミナール");
    EXPECT_TRUE(name.Exact);
    ASSERT_TRUE(WriteProfileString("basic", "year", "7", path));
    EXPECT_EQ(test::ReadAll(path),
              "[basic]\r\nname=" + cp932::FromUtf8("髙橋ゼミナール") + "\r\nyear=7\r\n");

    // Code page 932 cannot hold 𠮷: read as "?", not exact, and the file
    // stays UTF-8 so the character survives the next write.
    test::WriteAll(path, "[basic]\nname=𠮷田塾\nyear=6\n");
    const TProfileText lost = GetProfileText("basic", "name", "", path);
    EXPECT_EQ(cp932::ToUtf8(lost.Text), "?田塾");
    EXPECT_FALSE(lost.Exact);
    ASSERT_TRUE(WriteProfileString("basic", "year", cp932::FromUtf8("７"), path));
    EXPECT_EQ(test::ReadAll(path), "[basic]\r\nname=𠮷田塾\r\nyear=７\r\n");

    // Bytes that are no code page 932 character are not exact either.
    test::WriteAll(path, "[basic]\nname=a\x81\n");
    EXPECT_FALSE(GetProfileText("basic", "name", "", path).Exact);
}

} // namespace
} // namespace zel::platform
