// The command line and the list file of zelmark-print: what is accepted,
// what is refused with which words, and how bytes become rows.

#include "app/print_tool/examinee_list_file.h"
#include "app/print_tool/print_tool_options.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace zel::app {
namespace {

struct TCommandLineCase {
    std::vector<std::string> args;
    std::string error; // part of the error; empty when accepted
};

class CommandLine : public testing::TestWithParam<TCommandLineCase> {};

TEST_P(CommandLine, AcceptsOrNamesTheProblem) {
    const TParsedCommandLine parsed = ParsePrintToolCommandLine(GetParam().args);
    if (GetParam().error.empty()) {
        EXPECT_TRUE(parsed.Options.has_value()) << parsed.Error;
    } else {
        EXPECT_FALSE(parsed.Options.has_value());
        EXPECT_NE(parsed.Error.find(GetParam().error), std::string::npos) << parsed.Error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLine,
    testing::Values(
        TCommandLineCase{{"list.txt", "--term", "夏期", "--pdf", "a.pdf"}, ""},
        TCommandLineCase{{"-", "--term", "冬期", "--printer", "-", "--from", "2", "--to", "3"}, ""},
        TCommandLineCase{{"--calibration", "--qrp", "a.qrp"}, ""},
        TCommandLineCase{{"list.txt", "--term", "春期", "--pdf", "a.pdf"}, "--term"},
        TCommandLineCase{{"list.txt", "--pdf", "a.pdf"}, "--term がありません"},
        TCommandLineCase{{"--term", "夏期", "--pdf", "a.pdf"}, "一覧ファイル"},
        TCommandLineCase{{"list.txt", "--term", "夏期"}, "出力先"},
        TCommandLineCase{{"l", "--term", "夏期", "--pdf", "a", "--qrp", "b"}, "1 つだけ"},
        TCommandLineCase{{"l", "--term", "夏期", "--pdf", "a", "--from", "0"}, "--from"},
        TCommandLineCase{{"l", "--term", "夏期", "--pdf", "a", "--from", "3", "--to", "2"},
                         "--from が --to"},
        TCommandLineCase{{"l", "--term", "夏期", "--qrp", "a", "--to", "2"}, "--qrp"},
        TCommandLineCase{{"l", "--term", "夏期", "--pdf", "a", "--encoding", "latin1"},
                         "--encoding"},
        TCommandLineCase{{"l", "--term", "夏期", "--pdf"}, "--pdf"},
        TCommandLineCase{{"l", "--term", "夏期", "--pdf", "a", "--colour"}, "--colour"}));

TEST(CommandLine, HelpWinsOverEverythingElse) {
    EXPECT_TRUE(ParsePrintToolCommandLine({"--pdf", "--help"}).Help);
}

struct TDecodeCase {
    const char* name;
    std::string bytes;
    TListEncoding encoding;
    std::string expectUtf8; // the decoded text as UTF-8; empty when refused
    std::string error;
};

class ListDecoding : public testing::TestWithParam<TDecodeCase> {};

TEST_P(ListDecoding, GivesCodePage932OrRefusesNamingTheLine) {
    const TDecodeCase& c = GetParam();
    if (c.error.empty()) {
        const TDecodedList list = DecodeExamineeList(c.bytes, c.encoding, "list.txt");
        EXPECT_EQ(cp932::ToUtf8(list.Text), c.expectUtf8);
    } else {
        try {
            DecodeExamineeList(c.bytes, c.encoding, "list.txt");
            ADD_FAILURE() << "accepted";
        } catch (const EToolFailure& failure) {
            EXPECT_NE(std::string(failure.what()).find(c.error), std::string::npos)
                << failure.what();
        }
    }
}

const std::string kSjisName = cp932::FromUtf8("山田\t本校\r\n");

INSTANTIATE_TEST_SUITE_P(
    Cases, ListDecoding,
    testing::Values(TDecodeCase{"utf8", "1\t山田\n", TListEncoding::Detect, "1\t山田\n", ""},
                    TDecodeCase{"utf8_mark",
                                "\xEF\xBB\xBF"
                                "1\t山田\n",
                                TListEncoding::Detect, "1\t山田\n", ""},
                    TDecodeCase{"sjis", kSjisName, TListEncoding::Detect, "山田\t本校\r\n", ""},
                    TDecodeCase{"sjis_forced", "abc", TListEncoding::Cp932, "abc", ""},
                    TDecodeCase{"utf8_forced_bad", "ok\n" + kSjisName, TListEncoding::Utf8, "",
                                "list.txt: 2 行目に UTF-8"},
                    TDecodeCase{"sjis_lone_lead", "a\nb\n\x81", TListEncoding::Detect, "",
                                "list.txt: 3 行目に Shift-JIS"},
                    TDecodeCase{"sjis_bad_trail", "\x81\x20", TListEncoding::Cp932, "", "1 行目"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListDecoding, NamesCharactersCodePage932LacksAndPrintsThemAsQuestionMarks) {
    const TDecodedList list =
        DecodeExamineeList("1\t髙橋\n2\t𠮷田\n", TListEncoding::Detect, "list.txt");
    EXPECT_EQ(cp932::ToUtf8(list.Text), "1\t髙橋\n2\t?田\n");
    ASSERT_EQ(list.Warnings.size(), 1u);
    EXPECT_NE(list.Warnings[0].find("2 行目: 𠮷"), std::string::npos) << list.Warnings[0];
}

TEST(ExamineeTable, SplitsAsThePasteDoes) {
    const TExamineeTable table(cp932::FromUtf8("200001\t山田　太郎\t駅前校\r\n"
                                               "\"200002\",\"佐藤, 花子\",本校\n"
                                               "200003\n"));
    ASSERT_EQ(table.RowCount(), 4);
    EXPECT_EQ(table.Cells(0, 0), "");
    EXPECT_EQ(cp932::ToUtf8(table.Cells(1, 1)), "山田　太郎");
    EXPECT_EQ(cp932::ToUtf8(table.Cells(1, 2)), "佐藤, 花子");
    EXPECT_EQ(table.Cells(2, 3), "");
    EXPECT_EQ(table.Cells(0, 9), "");
}

} // namespace
} // namespace zel::app
