#include "app/print_check.h"
#include "app/ticket_print_check.h"
#include "tests/app/ticket_report_test_support.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace zel::app {
namespace {

using Findings = std::vector<std::pair<int, TFindingKind>>;
using enum TFindingKind;

// A ticket of two texts on a page 1000 wide and 1000 long: a 100-high band, so a column holds nine
// tickets over the 50 top and bottom margins, and a second column 400 to the right.
TTicketSheet Sheet() {
    return {.PageWidth = 1000,
            .PageLength = 1000,
            .LeftMargin = 0,
            .TopMargin = 50,
            .BottomMargin = 50,
            .RowPitch = 100,
            .ColumnStep = 400,
            .Columns = 2,
            .Texts = {{.Left = 10, .Top = 10, .Width = 300, .Height = 30},
                      {.Left = 10, .Top = 50, .Width = 300, .Height = 30}}};
}

Findings Check(const test::TExamineeTable& rows, const TTicketSheet& sheet,
               const char* school = "ゼルマーク塾", const char* year = "6") {
    TPrintCheckInput input;
    input.Rows = &rows;
    input.SchoolName = cp932::FromUtf8(school);
    input.Year = cp932::FromUtf8(year);
    // Two digits fit the year's 25 pixels, three do not.
    input.YearLabelWidth = 25;
    input.YearWidth = [](std::string_view text) { return static_cast<int>(text.size()) * 10; };
    // Ten pixels a byte, in a label 193 wide: 19 bytes just fit, 20 do not.
    input.LineLabelWidth = 193;
    input.LineWidth = [](std::string_view text) { return static_cast<int>(text.size()) * 10 + 3; };
    input.Sheet = sheet;
    Findings findings;
    for (const TPrintFinding& f : CheckTickets(input))
        findings.emplace_back(f.Row, f.Kind);
    return findings;
}

test::TExamineeTable Rows(std::initializer_list<std::vector<std::string>> rows) {
    test::TExamineeTable table;
    for (const auto& row : rows)
        table.Add(row);
    return table;
}

TEST(PrintCheck, RowsThatWouldPrintWrongAreFoundInRowOrder) {
    const struct {
        const char* name;
        test::TExamineeTable rows;
        Findings expected;
    } cases[] = {
        {"CleanList",
         Rows({{"123456", "山田　太郎", "本校"},
               {"１２３４５６", "ＡＢＣＤＥＦＧＨＩ", "ABCDEFGHIJKLMNOPQRS"}}),
         {}},
        {"SevenCharactersForSixBoxes",
         Rows({{"1234567", "山田", "本校"}}),
         {{1, ExamNumberTooLong}}},
        {"WiderThanTheLabel",
         Rows({{"1", "一二三四五六七八九十", "本校"}, {"2", "山田", "ABCDEFGHIJKLMNOPQRS "}}),
         {{1, NameTooWide}, {2, VenueTooWide}}},
        {"QuestionMarkWhereACharacterWasLost",
         Rows({{"1", "山?", "本校"}, {"2?", "山田", "本校"}}),
         {{1, QuestionMark}, {2, QuestionMark}}},
        // The paste's one-blank cells are empty too; empty rows at the end are not inside the list.
        {"EmptyRowsInsideTheListOnly",
         Rows({{"1", "A", "X"}, {"", "", ""}, {" ", " ", ""}, {"4", "B", "X"}, {"", "", ""}}),
         {{2, EmptyRow}, {3, EmptyRow}}},
        // A number without a name or a venue: a cell that did not arrive.
        {"NameOrVenueMissing",
         Rows({{"1", " ", "本校"}, {"2", "山田", ""}, {"", "山田", ""}}),
         {{1, NameMissing}, {2, VenueMissing}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Check(c.rows, Sheet()), c.expected);
    }
}

TEST(PrintCheck, OffsetsThatPushTextsOffThePaperOrTicketsTogetherAreFound) {
    const auto one = Rows({{"1", "A", "X"}});
    test::TExamineeTable all;
    for (int i = 0; i < 20; ++i)
        all.Add({std::to_string(i), "A", "X"});
    // Only a second column reaches the right edge. Below its band, a text
    // also reaches into the ticket under it.
    const struct {
        const char* name;
        const test::TExamineeTable& rows;
        std::function<void(TTicketSheet&)> change;
        Findings expected;
    } cases[] = {
        {"TwoFullColumnsFit", all, [](auto&) {}, {}},
        {"LeftOfThePaper", one, [](auto& s) { s.Texts[0].Left = -20; }, {{0, OffPaper}}},
        {"AboveThePaper", one, [](auto& s) { s.Texts[1].Top = -60; }, {{0, OffPaper}}},
        {"RightColumnPastTheEdge", all, [](auto& s) { s.ColumnStep = 800; }, {{0, OffPaper}}},
        {"RightColumnUnusedWithOneTicket", one, [](auto& s) { s.ColumnStep = 800; }, {}},
        {"LastRowBelowThePaper",
         all,
         [](auto& s) { s.Texts[1].Top = 150; },
         {{0, OffPaper}, {0, TicketsOverlap}}},
        {"RowsCloserThanTexts", all, [](auto& s) { s.RowPitch = 60; }, {{0, TicketsOverlap}}},
        {"ColumnsCloserThanTexts", all, [](auto& s) { s.ColumnStep = 250; }, {{0, TicketsOverlap}}},
        {"OneTicketOverlapsNothing", one, [](auto& s) { s.RowPitch = 60; }, {}},
        // No pitch or less: every ticket goes into the first column, piled
        // up or each above the one before, off the top.
        {"NoPitchPilesTicketsUp", all, [](auto& s) { s.RowPitch = 0; }, {{0, TicketsOverlap}}},
        {"NegativePitchClimbsOffThePaper",
         all,
         [](auto& s) { s.RowPitch = -100; },
         {{0, OffPaper}}},
        {"ShortNegativePitch",
         all,
         [](auto& s) { s.RowPitch = -60; },
         {{0, OffPaper}, {0, TicketsOverlap}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TTicketSheet sheet = Sheet();
        c.change(sheet);
        EXPECT_EQ(Check(c.rows, sheet), c.expected);
    }
}

// The real ticket report on B5, taller than wide: a right column pushed
// past the side of the paper is found, and so are rows that overlap.
TEST(PrintCheck, TheTicketReportsOwnGeometryIsLookedAt) {
    test::TTicketRun run;
    run.AddExaminees(20);
    const struct {
        TPrintOffsets offsets;
        Findings expected;
    } cases[] = {
        {{}, {}},
        {{.left = 80}, {{0, OffPaper}}},
        // Rows closer than a ticket's texts are tall.
        {{.height = -100}, {{0, TicketsOverlap}}},
        // A band of less than no height: all twenty on page 1, upwards.
        {{.height = -200}, {{0, OffPaper}, {0, TicketsOverlap}}},
    };
    for (const auto& c : cases) {
        run.WriteOffsets(c.offsets);
        run.report.ApplyPrintOffsets();
        Findings findings;
        for (const TPrintFinding& f : CheckTicketReport(run.report, run.examinees))
            findings.emplace_back(f.Row, f.Kind);
        EXPECT_EQ(findings, c.expected) << c.offsets.left << " " << c.offsets.height;
    }
    // Two digits fit the year's box in its own font; a third does not.
    run.WriteOffsets({});
    run.report.ApplyPrintOffsets();
    run.report.YearLabel->SetCaption("123");
    const std::vector<TPrintFinding> year = CheckTicketReport(run.report, run.examinees);
    ASSERT_EQ(year.size(), 1u);
    EXPECT_EQ(year[0].Kind, YearTooWide);
}

TEST(PrintCheck, HeaderTextsAndTheMessageList) {
    const auto rows = Rows({{"1234567", "A", "X"}, {"2", "A?", "X"}});
    EXPECT_EQ(Check(rows, Sheet(), "ゼルマーク進学教室ゼルマーク校"),
              (Findings{{0, SchoolTooWide}, {1, ExamNumberTooLong}, {2, QuestionMark}}));
    EXPECT_EQ(Check(Rows({{"1", "A", "X"}}), Sheet(), "塾", "12"), Findings{});
    EXPECT_EQ(Check(Rows({{"1", "A", "X"}}), Sheet(), "塾", "令和8"), (Findings{{0, YearTooWide}}));

    std::vector<TPrintFinding> findings{{0, OffPaper}};
    for (int row = 1; row <= 11; ++row)
        findings.push_back({row, EmptyRow});
    EXPECT_EQ(cp932::ToUtf8(FindingsText(findings, 3)), "印字位置が用紙からはみ出します\n"
                                                        "1 行目: 空の行です (白紙の券になります)\n"
                                                        "2 行目: 空の行です (白紙の券になります)\n"
                                                        "ほか 9 件");
}

} // namespace
} // namespace zel::app
