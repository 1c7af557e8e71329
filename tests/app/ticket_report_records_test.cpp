#include "app/ticket_report_layout.h"
#include "app/ticket_report_records.h"
#include "tests/app/ticket_report_test_support.h"

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
        // A double-byte character fills one box, never half of two.
        {"Ａ１2３", {"Ａ", "１", "2", "３", "", ""}},
        {"東京1234567", {"東", "京", "1", "2", "3", "4"}},
    };
    for (const auto& c : cases) {
        Boxes boxes = ExamNumberBoxes(cp932::FromUtf8(c.number));
        for (std::string& box : boxes)
            box = cp932::ToUtf8(box);
        EXPECT_EQ(boxes, c.boxes) << c.number;
    }
    // A lead byte the text cuts off stays a box of its own.
    const Boxes cut = ExamNumberBoxes(std::string("12\x93", 3));
    EXPECT_EQ(cut[2], "\x93");
    EXPECT_EQ(cut[3], "");
}

class TicketReportRecordsRun : public testing::Test {
protected:
    TicketReportRecordsRun() { LoadTicketLayout(report, components); }

    // One call of the run's record request, and the labels it loaded:
    // "more 1: name / venue / box 1|...|box 6", UTF-8.
    std::string Next() {
        const bool more = LoadNextExaminee(components, examinees, tag);
        std::string loaded = (more ? "more " : "end ") + std::to_string(tag) + ": " +
                             cp932::ToUtf8(components.NameLabel->Caption()) + " / " +
                             cp932::ToUtf8(components.VenueLabel->Caption()) + " / ";
        for (int k = 0; k < kExamNumberBoxes; ++k)
            loaded += (k ? "|" : "") + cp932::ToUtf8(components.Box(k)->Caption());
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
    for (const char* expected : {
             "more 1: 山田　太郎 / 本校 / 1|0|0|0|0|1",
             "more 2:  /  / |||||",
             "more 3:   /   /  |||||",
             "more 4: 佐藤　花子 / 駅前校 / 1|0|0|2||",
             // The row past the end is loaded and answered with no more data.
             "end 5:  /  / |||||",
         })
        EXPECT_EQ(Next(), expected);
}

TEST_F(TicketReportRecordsRun, RowCountIsReadAtEveryRequest) {
    for (const char* name : {"一", "二", "三"})
        examinees.Add({"1", name, "会場"});
    examinees.shownRows = 2; // a shorter paste left rows 2 and 3 behind
    EXPECT_EQ(Next(), "more 1: 一 / 会場 / 1|||||");
    // Loaded, but the run prints nothing for it.
    EXPECT_EQ(Next(), "end 2: 二 / 会場 / 1|||||");
    examinees.shownRows = -1;
    tag = 1;
    EXPECT_EQ(Next(), "more 2: 二 / 会場 / 1|||||");
    EXPECT_EQ(Next(), "more 3: 三 / 会場 / 1|||||");
    EXPECT_EQ(Next(), "end 4:  /  / |||||");
}

} // namespace
} // namespace zel::app
