#include "tests/app/ticket_report_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zel::app {
namespace {

using platform::TPoint;
using platform::TRect;

// Eleven tickets on the recorded pages, device pixels of the 96 ppi page: where each examinee's
// name lands, and the opaque boxes of the year and the term on the first ticket.
TEST(TicketReportGeometry, TicketsFillColumnsThenPagesAtTheirDevicePixels) {
    const struct {
        TPrintOffsets offsets;
        int perColumn;
        std::vector<int> nameTops; // rows of a column
        int nameLeft, rightNameLeft;
        TRect year, term;
    } cases[] = {
        // The band's 185 pixels are 489.48 tenths of a millimetre: a ticket
        // every 48.9 mm, five to a column; the right column at 88.9 mm.
        {.offsets = {},
         .perColumn = 5,
         .nameTops = {83, 268, 453, 637, 822},
         .nameLeft = 120,
         .rightNameLeft = 456,
         .year = {86, 23, 111, 45},
         .term = {162, 23, 211, 45}},
        // Texts 20 pixels down and 20 left; a 187-pixel band: four to a
        // column; the right column at 91.5 mm.
        {.offsets = {.left = -10, .top = 10, .space = 5, .height = 2},
         .perColumn = 4,
         .nameTops = {103, 290, 477, 664},
         .nameLeft = 100,
         .rightNameLeft = 446,
         .year = {66, 43, 91, 65},
         .term = {142, 43, 191, 65}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("height " + std::to_string(c.offsets.height));
        test::TTicketRun run;
        run.WriteOffsets(c.offsets);
        run.AddExaminees(11);
        run.Print();

        const int perPage = 2 * c.perColumn;
        ASSERT_EQ(run.pages.PageCount(), (11 + perPage - 1) / perPage);
        const auto page = run.report.QRPrinter()->GetPage(1);
        EXPECT_EQ(page->Width(), 688); // B5 at 96 pixels per inch
        EXPECT_EQ(page->Height(), 971);
        const auto names = run.pages.Texts("受験者");
        ASSERT_EQ(names.size(), 11u);
        for (int i = 0; i < 11; ++i) {
            const int onPage = i % perPage;
            const int column = onPage / c.perColumn;
            EXPECT_EQ(names[i].Text, "受験者" + std::to_string(i + 1));
            EXPECT_EQ(names[i].Page, i / perPage + 1) << i;
            EXPECT_EQ(names[i].At, (TPoint{column ? c.rightNameLeft : c.nameLeft,
                                           c.nameTops[onPage % c.perColumn]}))
                << i;
        }

        const auto fills = run.pages.All<platform::TFillRectRecord>(1);
        const auto filled = [&fills](const TRect& rect) {
            return std::any_of(fills.begin(), fills.end(),
                               [&](const auto& fill) { return fill.Rect == rect; });
        };
        EXPECT_TRUE(filled(c.year)) << "year";
        EXPECT_TRUE(filled(c.term)) << "term";
    }
}

// A column holds five tickets up to "height" 1 and four from 2 on; "space"
// moves the right column's band, whose name lands 120 pixels into it.
TEST(TicketReportGeometry, ColumnsFollowTheSpaceAndHeightOffsets) {
    const struct {
        int space, height;
        int perColumn;
        int bandLeft; // device pixels of the right column's band
        double millimetres;
    } cases[] = {{0, -10, 5, 336, 88.9}, {5, 1, 5, 346, 91.5}, {10, 2, 4, 355, 93.8}};
    for (const auto& c : cases) {
        SCOPED_TRACE("space " + std::to_string(c.space) + ", height " + std::to_string(c.height));
        test::TTicketRun run;
        run.WriteOffsets({.space = c.space, .height = c.height});
        run.AddExaminees(2 * c.perColumn + 1);
        run.Print();
        EXPECT_EQ(run.pages.PageCount(), 2);
        const auto names = run.pages.Texts("受験者");
        ASSERT_EQ(static_cast<int>(names.size()), 2 * c.perColumn + 1);
        EXPECT_EQ(names[c.perColumn].At, (TPoint{c.bandLeft + 120, 83}));
        EXPECT_EQ(names[2 * c.perColumn].Page, 2);
        // The band fills its own rectangle first; the second is the right column's.
        std::vector<TRect> bands;
        for (const auto& fill : run.pages.All<platform::TFillRectRecord>(1))
            if (fill.Rect.Top == 0 && fill.Rect.Bottom == 185 + c.height)
                bands.push_back(fill.Rect);
        ASSERT_EQ(bands.size(), 2u);
        EXPECT_EQ(bands[1].Left, c.bandLeft);
        EXPECT_NEAR(bands[1].Left * 25.4 / 96, c.millimetres, 25.4 / 96 / 2);
    }
}

// Offsets are not limited: one far out of any paper still makes every
// ticket, each band past the paper starting a column of its own.
TEST(TicketReportGeometry, ARowPitchFarOffThePaperStillPrintsEveryTicket) {
    for (const int height : {2147483647, -2147483647}) {
        SCOPED_TRACE(height);
        test::TTicketRun run;
        run.WriteOffsets({.height = height});
        run.AddExaminees(30);
        run.Print();
        EXPECT_EQ(run.pages.Texts("受験者").size(), 30u);
    }
}

// A run keeps the report in Native units; the offsets are millimetres all the same.
TEST(TicketReportGeometry, TheColumnSpaceIsMillimetresWhateverUnitTheReportIsIn) {
    test::TTicketRun run;
    run.WriteOffsets({.space = 7});
    for (const TQRUnit unit : {TQRUnit::MM, TQRUnit::Native, TQRUnit::Inches}) {
        run.report.SetUnits(unit);
        run.report.ApplyPrintOffsets();
        EXPECT_EQ(run.report.Page().NativeValue(TQRPage::kColumnSpace), 30)
            << static_cast<int>(unit);
    }
}

TEST(TicketReportGeometry, RepeatedPrintRequestsDrawTheSamePages) {
    test::TTicketRun run;
    run.WriteOffsets({.left = -3, .top = 4, .space = 7, .height = 1});
    run.AddExaminees(12);
    run.Print();
    const auto first = run.pages.Records(1);
    const auto second = run.pages.Records(2);
    ASSERT_FALSE(first.empty());
    run.Print();
    run.Print();
    EXPECT_EQ(run.pages.PageCount(), 2);
    EXPECT_EQ(run.pages.Records(1), first);
    EXPECT_EQ(run.pages.Records(2), second);
}

} // namespace
} // namespace zel::app
