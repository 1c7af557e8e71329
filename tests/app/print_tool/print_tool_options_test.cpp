// The command line and the list file of zelmark-print: what is accepted,
// what is refused with which words, and how bytes become rows.

#include "app/print_tool/examinee_list_file.h"
#include "app/print_tool/print_tool_options.h"
#include "platform/cp932.h"
#include "tests/app/spreadsheet_fixtures.h"

#include <gtest/gtest.h>

namespace zel::app {
namespace {

TEST(CommandLine, AcceptsOrNamesTheProblem) {
    const struct {
        std::vector<std::string> args;
        std::string error; // part of the error; empty when accepted
    } cases[] = {
        {{"list.txt", "--term", "夏期", "--pdf", "a.pdf"}, ""},
        {{"-", "--term", "冬期", "--printer", "-", "--from", "2", "--to", "3"}, ""},
        {{"l", "--term", "夏期", "--pdf", "a", "--from", "2", "--to", "2"}, ""},
        {{"--calibration", "--qrp", "a.qrp"}, ""},
        {{"list.txt", "--term", "春期", "--pdf", "a.pdf"}, "--term"},
        {{"list.txt", "--pdf", "a.pdf"}, "--term がありません"},
        {{"--term", "夏期", "--pdf", "a.pdf"}, "一覧ファイル"},
        {{"list.txt", "--term", "夏期"}, "出力先"},
        {{"l", "--term", "夏期", "--pdf", "a", "--qrp", "b"}, "1 つだけ"},
        {{"l", "--term", "夏期", "--pdf", "a", "--from", "0"}, "--from"},
        {{"l", "--term", "夏期", "--pdf", "a", "--from", "3", "--to", "2"}, "--from が --to"},
        {{"l", "--term", "夏期", "--qrp", "a", "--to", "2"}, "--qrp"},
        {{"l", "--term", "夏期", "--pdf", "a", "--encoding", "latin1"}, "--encoding"},
        {{"l", "--term", "夏期", "--pdf"}, "--pdf"},
        {{"l", "--term", "夏期", "--pdf", "a", "--colour"}, "--colour"},
        {{"l", "--term", "夏期", "--pdf", "a", "--year", "8"}, ""},
        {{"l", "--term", "夏期", "--pdf", "a", "--year", "31"}, ""},
        {{"l", "--term", "夏期", "--pdf", "a", "--year", "令和8"}, "--year"},
        {{"l", "--term", "夏期", "--pdf", "a", "--year", "123"}, "--year"},
        {{"l", "--term", "夏期", "--pdf", "a", "--year", ""}, "--year"},
        {{"--term", "夏期", "--pdf", "a", "--", "--help"}, ""},
        {{"--term", "夏期", "--pdf", "a", "--", "-x", "--quiet"}, "1 つだけ"},
        {{"--calibration", "--pdf", "a", "list.txt"}, "--calibration に一覧"},
        {{"--calibration", "--pdf", "a", "--from", "2"}, "--calibration に --from"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const TParsedCommandLine parsed = ParsePrintToolCommandLine(c.args);
        EXPECT_EQ(parsed.Options.has_value(), c.error.empty()) << parsed.Error;
        EXPECT_NE(parsed.Error.find(c.error), std::string::npos) << parsed.Error;
    }
    EXPECT_TRUE(ParsePrintToolCommandLine({"--pdf", "--help"}).Help) << "help wins over the rest";
    // After "--" a name that looks like an option is the list.
    const TParsedCommandLine dashed =
        ParsePrintToolCommandLine({"--term", "夏期", "--pdf", "a", "--", "--help"});
    ASSERT_TRUE(dashed.Options);
    EXPECT_EQ(dashed.Options->ListFile, "--help");
}

TEST(ListDecoding, GivesCodePage932OrRefusesNamingTheLine) {
    const std::string sjisName = cp932::FromUtf8("山田\t本校\r\n");
    const struct {
        std::string bytes;
        TListEncoding encoding;
        std::string expectUtf8; // the decoded text as UTF-8; empty when refused
        std::string error;
    } cases[] = {
        {"1\t山田\n", TListEncoding::Detect, "1\t山田\n", ""},
        {"\xEF\xBB\xBF"
         "1\t山田\n",
         TListEncoding::Detect, "1\t山田\n", ""},
        {sjisName, TListEncoding::Detect, "山田\t本校\r\n", ""},
        {"abc", TListEncoding::Cp932, "abc", ""},
        {"ok\n" + sjisName, TListEncoding::Utf8, "", "list.txt: 2 行目に UTF-8"},
        {"a\nb\n\x81", TListEncoding::Detect, "", "list.txt: 3 行目に Shift-JIS"},
        {"\x81\x20", TListEncoding::Cp932, "", "1 行目"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error.empty() ? c.expectUtf8 : c.error);
        try {
            const TDecodedList list = DecodeExamineeList(c.bytes, c.encoding, "list.txt");
            EXPECT_EQ(cp932::ToUtf8(list.Text), c.expectUtf8);
            EXPECT_EQ(c.error, "") << "accepted";
        } catch (const EToolFailure& failure) {
            EXPECT_NE(c.error, "") << failure.what();
            EXPECT_NE(std::string(failure.what()).find(c.error), std::string::npos)
                << failure.what();
        }
    }
    // Characters code page 932 lacks are named and print as question marks.
    const TDecodedList list =
        DecodeExamineeList("1\t髙橋\n2\t𠮷田\n", TListEncoding::Detect, "list.txt");
    EXPECT_EQ(cp932::ToUtf8(list.Text), "1\t髙橋\n2\t?田\n");
    ASSERT_EQ(list.Warnings.size(), 1u);
    EXPECT_NE(list.Warnings[0].find("2 行目: 𠮷"), std::string::npos) << list.Warnings[0];
}

// The files a school office exports: every examinee whole, the header
// row skipped with a word, the quote and line break of a cell kept.
TEST(ExamineeTable, ReadsWhatSpreadsheetsExport) {
    for (const char* fixture : {"excel.csv", "excel_utf8.csv", "excel_unicode.txt"}) {
        SCOPED_TRACE(fixture);
        TDecodedList list =
            DecodeExamineeList(test::FixtureBytes(fixture), TListEncoding::Detect, fixture);
        const TExamineeTable table = ReadExamineeTable(list.Text, false, fixture, list.Warnings);
        const auto& expected = test::SheetExaminees();
        ASSERT_EQ(table.RowCount(), static_cast<int>(expected.size()) + 1);
        EXPECT_EQ(table.Cells(0, 0) + table.Cells(3, 1) + table.Cells(0, 99), "");
        for (std::size_t i = 0; i < expected.size(); ++i)
            for (int col = 0; col < 3; ++col)
                EXPECT_EQ(cp932::ToUtf8(table.Cells(col, static_cast<int>(i) + 1)),
                          expected[i][col])
                    << i << "," << col;
        ASSERT_EQ(list.Warnings.size(), 1u);
        EXPECT_EQ(list.Warnings[0], std::string(fixture) +
                                        ": 1 行目は見出しとみなして印刷しません (受験番号 / 氏名 / "
                                        "受験会場)。印刷するには --keep-first-line");
        std::vector<std::string> kept;
        EXPECT_EQ(ReadExamineeTable(list.Text, true, fixture, kept).RowCount(),
                  static_cast<int>(expected.size()) + 2);
        EXPECT_TRUE(kept.empty());
    }
}

template <class Fn> std::string ToolErrorOf(Fn&& fn) {
    try {
        fn();
    } catch (const EToolFailure& failure) {
        return failure.what();
    }
    return {};
}

TEST(ExamineeTable, NamesAQuoteLeftOpenAndRowsNotTakenWhole) {
    std::vector<std::string> warnings;
    // Counted in lines of the file, a closed cell's line breaks included.
    EXPECT_EQ(ToolErrorOf([&] {
                  ReadExamineeTable("1,\"A\r\nB\",X\r\n2,\"B\r\n3,C,X\r\n", false, "list.csv",
                                    warnings);
              }),
              "list.csv: 3 行目の \" が閉じていません");
    EXPECT_EQ(ToolErrorOf([&] { ReadExamineeTable("\"1,A,X\n", false, "l.csv", warnings); }),
              "l.csv: 1 行目の \" が閉じていません");
    const TExamineeTable table =
        ReadExamineeTable("1\tA\n2\tB\tX\tY\n3\tC\tX\n\t\t\n\n", false, "list.txt", warnings);
    EXPECT_EQ(table.RowCount(), 4);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0],
              "list.txt: 次の行はそのまま取り込めませんでした。\n"
              "1 行目: セルが 2 個しかありません (受験番号・氏名・受験会場の 3 個が必要です)\n"
              "2 行目: 4 列目からのセルを取り込んでいません: Y");
    // UTF-16 in the other byte order, and a lone surrogate named by line.
    const std::string big = std::string("\xFE\xFF\x00"
                                        "1\x00\t\x4E\x95\x00\n",
                                        10);
    EXPECT_EQ(cp932::ToUtf8(DecodeExamineeList(big, TListEncoding::Detect, "be.txt").Text),
              "1\t井\n");
    EXPECT_EQ(ToolErrorOf([] {
                  DecodeExamineeList(std::string("\xFF\xFE\n\x00\x00\xD8", 6),
                                     TListEncoding::Detect, "le.txt");
              }),
              "le.txt: 2 行目に UTF-16 として読めないバイトがあります");
}

} // namespace
} // namespace zel::app
