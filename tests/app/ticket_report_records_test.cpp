#include "app/ticket_report_layout.h"
#include "app/ticket_report_records.h"
#include "platform/cp932.h"
#include "tests/app/examinee_table.h"
#include "tests/report/band_test_support.h"

#include <gtest/gtest.h>

namespace zel::app {
namespace {

using Boxes = std::array<std::string, kExamNumberBoxes>;

TEST(TicketReportRecords, ExamNumberGoesOneCharacterToABox) {
    const struct {
        const char* number;
        Boxes boxes;
    } cases[] = {
        {"123456", {"1", "2", "3", "4", "5", "6"}},
        {"1234", {"1", "2", "3", "4", "", ""}},
        // The seventh and eighth digits have no box.
        {"12345678", {"1", "2", "3", "4", "5", "6"}},
        {"", {"", "", "", "", "", ""}},
        {" ", {" ", "", "", "", "", ""}},
        // A double-byte character fills one box, never half of two.
        {"Ａ１2３", {"Ａ", "１", "2", "３", "", ""}},
        {"東京1234567", {"東", "京", "1", "2", "3", "4"}},
    };
    for (const auto& c : cases) {
        const Boxes boxes = ExamNumberBoxes(cp932::FromUtf8(c.number));
        for (int k = 0; k < kExamNumberBoxes; ++k)
            EXPECT_EQ(cp932::ToUtf8(boxes[k]), c.boxes[k]) << c.number << " box " << k + 1;
    }
    // A lead byte the text cuts off stays a box of its own.
    const Boxes cut = ExamNumberBoxes(std::string("12\x93", 3));
    EXPECT_EQ(cut[2], "\x93");
    EXPECT_EQ(cut[3], "");
}

class TicketReportRecordsRun : public testing::Test {
protected:
    TicketReportRecordsRun() { LoadTicketLayout(report, components); }

    // One call of the run's record request, as the labels then read.
    struct Loaded {
        bool more;
        int tag;
        std::string name, venue, boxes; // UTF-8; boxes joined with "|"
    };
    Loaded Next() {
        Loaded loaded;
        loaded.more = LoadNextExaminee(components, examinees, tag);
        loaded.tag = tag;
        loaded.name = cp932::ToUtf8(components.NameLabel->Caption());
        loaded.venue = cp932::ToUtf8(components.VenueLabel->Caption());
        for (int k = 0; k < kExamNumberBoxes; ++k)
            loaded.boxes += (k ? "|" : "") + cp932::ToUtf8(components.Box(k)->Caption());
        return loaded;
    }

    test::TTestReport report;
    TTicketComponents components;
    test::TExamineeTable examinees;
    int tag = 0;
};

TEST_F(TicketReportRecordsRun, EveryRowOnceInOrderEmptyRowsIncluded) {
    examinees.Add({"100001", "山田　太郎", "本校"});
    examinees.Add({"", "", ""}); // printed as a ticket, never skipped
    examinees.Add({" ", " ", " "});
    examinees.Add({"1002", "佐藤　花子", "駅前校"});
    const Loaded expected[] = {
        {true, 1, "山田　太郎", "本校", "1|0|0|0|0|1"},
        {true, 2, "", "", "|||||"},
        {true, 3, " ", " ", " |||||"},
        {true, 4, "佐藤　花子", "駅前校", "1|0|0|2||"},
        // The row past the end is loaded and answered with no more data.
        {false, 5, "", "", "|||||"},
    };
    for (const Loaded& e : expected) {
        const Loaded got = Next();
        EXPECT_EQ(got.more, e.more) << e.tag;
        EXPECT_EQ(got.tag, e.tag);
        EXPECT_EQ(got.name, e.name) << e.tag;
        EXPECT_EQ(got.venue, e.venue) << e.tag;
        EXPECT_EQ(got.boxes, e.boxes) << e.tag;
    }
}

TEST_F(TicketReportRecordsRun, StartUpListGivesOneEmptyTicketAndACaptionOnlyListNone) {
    examinees.Add({});
    EXPECT_TRUE(Next().more);
    EXPECT_FALSE(Next().more);

    // The caption row made an ordinary row: nothing to print at all.
    tag = 0;
    examinees.shownRows = 1;
    const Loaded first = Next();
    EXPECT_FALSE(first.more);
    EXPECT_EQ(first.tag, 1);
}

TEST_F(TicketReportRecordsRun, RowCountIsReadAtEveryRequest) {
    for (const char* name : {"一", "二", "三"})
        examinees.Add({"1", name, "会場"});
    examinees.shownRows = 2; // a shorter paste left rows 2 and 3 behind
    EXPECT_TRUE(Next().more);
    const Loaded leftover = Next();
    EXPECT_FALSE(leftover.more);
    EXPECT_EQ(leftover.name, "二"); // loaded, but the run prints nothing for it
    examinees.shownRows = -1;
    tag = 1;
    EXPECT_TRUE(Next().more);
    EXPECT_TRUE(Next().more);
    EXPECT_FALSE(Next().more);
}

} // namespace
} // namespace zel::app
