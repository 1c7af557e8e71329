#include "framework/ini_file.h"
#include "tests/support/error_text.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <utility>

namespace zel::test {
namespace {

class IniFileTest : public testing::Test {
protected:
    TTempDir dir;
    TIniFile ini{dir.File("zel.ini")};

    std::int32_t IntegerOf(const std::string& text) {
        ini.WriteString("margin", "left", text);
        return ini.ReadInteger("margin", "left", -99);
    }
};

TEST_F(IniFileTest, ReadIntegerTakesAZeroXPrefixAndFallsBackOnNoNumber) {
    // The number rules themselves are StrToInt's; what the profile adds is
    // the "0x" prefix in either case and the fallback.
    const std::pair<const char*, std::int32_t> cases[] = {
        {"0x0A", 10}, {"0X0a", 10}, {"-3", -3}, {"abc", -99}, {"", -99}, {"0x", -99},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(IntegerOf(text), value) << text;
    EXPECT_EQ(ini.ReadInteger("margin", "absent", 5), 5);
}

TEST_F(IniFileTest, QuotedBlanksAndEmptyValuesReachTheReaderAndAFailedWriteNamesThePath) {
    // The profile trims blanks around a value, so a trailing blank can only
    // reach the conversion from inside quotes.
    WriteAll(ini.FileName(), "[margin]\r\ntop=\"15 \"\r\nleft=\" 15\"\r\n");
    EXPECT_EQ(ini.ReadInteger("margin", "top", 0), 0);
    EXPECT_EQ(ini.ReadInteger("margin", "left", 0), 15);
    // An empty value is present, not the default.
    ini.WriteString("basic", "name", "");
    EXPECT_EQ(ini.ReadString("basic", "name", "default"), "");
    EXPECT_EQ(ini.ReadString("basic", "year", "default"), "default");
    TIniFile nowhere(dir.File("missing/zel.ini"));
    EXPECT_EQ(ErrorOf<EFWriteError>([&] { nowhere.WriteString("basic", "name", "x"); }),
              dir.File("missing/zel.ini") + " に書き込めません");
}

} // namespace
} // namespace zel::test
