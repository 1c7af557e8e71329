#include "framework/exceptions.h"
#include "framework/ini_file.h"
#include "platform/cp932.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using test::TTempDir;
using test::WriteAll;

class IniFileTest : public testing::Test {
protected:
    TTempDir dir;
    TIniFile ini{dir.File("zel.ini")};

    std::int32_t IntegerOf(const std::string& text) {
        ini.WriteString("margin", "left", text);
        return ini.ReadInteger("margin", "left", -99);
    }
};

TEST_F(IniFileTest, ReadIntegerFollowsTheConversionRules) {
    EXPECT_EQ(IntegerOf("0x0A"), 10);
    EXPECT_EQ(IntegerOf("0X0a"), 10);
    EXPECT_EQ(IntegerOf("$A"), 10);
    EXPECT_EQ(IntegerOf("-3"), -3);
    EXPECT_EQ(IntegerOf("+3"), 3);
    EXPECT_EQ(IntegerOf("15"), 15);
    EXPECT_EQ(IntegerOf("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(IntegerOf("abc"), -99);
    EXPECT_EQ(IntegerOf("1.5"), -99);
    EXPECT_EQ(IntegerOf(cp932::FromUtf8("３")), -99);
    EXPECT_EQ(IntegerOf("2147483648"), -99);
    EXPECT_EQ(IntegerOf(""), -99);
    EXPECT_EQ(IntegerOf("0x"), -99); // "0x" alone is not rewritten, and is no number
    EXPECT_EQ(ini.ReadInteger("margin", "absent", 5), 5);
}

TEST_F(IniFileTest, ATrailingBlankInsideQuotesIsNoNumber) {
    // The profile trims blanks around a value, so a trailing blank can only
    // reach the conversion from inside quotes.
    WriteAll(ini.FileName(), "[margin]\r\ntop=\"15 \"\r\nleft=\" 15\"\r\n");
    EXPECT_EQ(ini.ReadInteger("margin", "top", 0), 0);
    EXPECT_EQ(ini.ReadInteger("margin", "left", 0), 15);
}

TEST_F(IniFileTest, EmptyValueIsPresentAndNotTheDefault) {
    ini.WriteString("basic", "name", "");
    EXPECT_EQ(ini.ReadString("basic", "name", "default"), "");
    EXPECT_EQ(ini.ReadString("basic", "year", "default"), "default");
}

TEST_F(IniFileTest, FailedWriteNamesTheFullPath) {
    TIniFile nowhere(dir.File("missing/zel.ini"));
    try {
        nowhere.WriteString("basic", "name", "x");
        FAIL() << "no error";
    } catch (const EFWriteError& e) {
        EXPECT_EQ(e.Message(), dir.File("missing/zel.ini") + cp932::Sys(" に書き込めません"));
    }
}

} // namespace
} // namespace zel
