#include "tests/app/ticket_report_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zel::app {
namespace {

using platform::TPoint;
using platform::TRect;

// Tickets on the recorded pages, device pixels of the 96 ppi page: where
// each examinee's name lands, and the opaque boxes of the year and term.
struct GeometryCase {
    const char* what;
    int left, top, space, height;
    int perColumn;
    std::vector<int> nameTops; // rows of a column
    int nameLeft, rightNameLeft;
    TRect year, term; // on the first ticket
};

class TicketReportGeometry : public testing::TestWithParam<GeometryCase> {};

TEST_P(TicketReportGeometry, TicketsFillColumnsThenPagesAtTheirDevicePixels) {
    const GeometryCase& c = GetParam();
    test::TTicketRun run;
    run.WriteOffsets(c.left, c.top, c.space, c.height);
    run.AddExaminees(11);
    run.Print();

    const int perPage = 2 * c.perColumn;
    ASSERT_EQ(run.PageCount(), (11 + perPage - 1) / perPage);
    const auto page = run.report.QRPrinter()->GetPage(1);
    EXPECT_EQ(page->Width(), 688); // B5 at 96 pixels per inch
    EXPECT_EQ(page->Height(), 971);
    const auto names = run.TextsStartingWith("受験者");
    ASSERT_EQ(names.size(), 11u);
    for (int i = 0; i < 11; ++i) {
        const int onPage = i % perPage;
        const int column = onPage / c.perColumn;
        SCOPED_TRACE("ticket " + std::to_string(i + 1));
        EXPECT_EQ(names[i].Text, "受験者" + std::to_string(i + 1));
        EXPECT_EQ(names[i].Page, i / perPage + 1);
        EXPECT_EQ(names[i].At, (TPoint{column ? c.rightNameLeft : c.nameLeft,
                                       c.nameTops[onPage % c.perColumn]}));
    }
    // Record 11 begins the second page.
    EXPECT_EQ(names[10].Page, 2);

    const auto fills = run.All<platform::TFillRectRecord>(1);
    const auto filled = [&fills](const TRect& rect) {
        for (const auto& fill : fills)
            if (fill.Rect == rect)
                return true;
        return false;
    };
    EXPECT_TRUE(filled(c.year)) << "year";
    EXPECT_TRUE(filled(c.term)) << "term";
}

INSTANTIATE_TEST_SUITE_P(Offsets, TicketReportGeometry,
                         testing::Values(
                             // The band's 185 pixels are 489.48 tenths of a millimetre: a ticket
                             // every 48.9 mm, five to a column; the right column at 88.9 mm.
                             GeometryCase{"AllZero",
                                          0,
                                          0,
                                          0,
                                          0,
                                          5,
                                          {83, 268, 453, 637, 822},
                                          120,
                                          456,
                                          TRect{86, 23, 111, 45},
                                          TRect{162, 23, 211, 45}},
                             // Texts 20 pixels down and 20 left; a 187-pixel band: four to a
                             // column; the right column at 91.5 mm.
                             GeometryCase{"Shifted",
                                          -10,
                                          10,
                                          5,
                                          2,
                                          4,
                                          {103, 290, 477, 664},
                                          100,
                                          446,
                                          TRect{66, 43, 91, 65},
                                          TRect{142, 43, 191, 65}}),
                         [](const testing::TestParamInfo<GeometryCase>& info) {
                             return std::string(info.param.what);
                         });

TEST(TicketReportColumns, RightColumnFollowsTheSpaceOffset) {
    const struct {
        int space;
        int bandLeft; // device pixels of the right column's band
        double millimetres;
    } cases[] = {{0, 336, 88.9}, {5, 346, 91.5}, {10, 355, 93.8}};
    for (const auto& c : cases) {
        SCOPED_TRACE("space " + std::to_string(c.space));
        test::TTicketRun run;
        run.WriteOffsets(0, 0, c.space, 0);
        run.AddExaminees(6);
        run.Print();
        const auto names = run.TextsStartingWith("受験者6");
        ASSERT_EQ(names.size(), 1u);
        // The band fills its own rectangle first; the sixth is the right column's.
        std::vector<TRect> bands;
        for (const auto& fill : run.All<platform::TFillRectRecord>(1))
            if (fill.Rect.Top == 0 && fill.Rect.Bottom == 185)
                bands.push_back(fill.Rect);
        ASSERT_EQ(bands.size(), 2u);
        EXPECT_EQ(bands[1].Left, c.bandLeft);
        EXPECT_NEAR(bands[1].Left * 25.4 / 96, c.millimetres, 25.4 / 96 / 2);
        EXPECT_EQ(names[0].At.X, c.bandLeft + 120);
    }
}

TEST(TicketReportColumns, FiveTicketsToAColumnUpToHeightOneFourFromTwo) {
    const struct {
        int height;
        int perColumn;
    } cases[] = {{-10, 5}, {0, 5}, {1, 5}, {2, 4}, {10, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE("height " + std::to_string(c.height));
        test::TTicketRun run;
        run.WriteOffsets(0, 0, 0, c.height);
        run.AddExaminees(2 * c.perColumn + 1);
        run.Print();
        EXPECT_EQ(run.PageCount(), 2);
        const auto names = run.TextsStartingWith("受験者");
        ASSERT_EQ(static_cast<int>(names.size()), 2 * c.perColumn + 1);
        EXPECT_EQ(names[c.perColumn - 1].At.X, 120);
        EXPECT_EQ(names[c.perColumn].At, (TPoint{456, 83}));
        EXPECT_EQ(names[2 * c.perColumn].Page, 2);
    }
}

TEST(TicketReportRepeat, RepeatedPrintRequestsDrawTheSamePages) {
    test::TTicketRun run;
    run.WriteOffsets(-3, 4, 7, 1);
    run.AddExaminees(12);
    run.Print();
    const auto first = run.Records(1);
    const auto second = run.Records(2);
    ASSERT_FALSE(first.empty());
    run.Print();
    run.Print();
    EXPECT_EQ(run.PageCount(), 2);
    EXPECT_EQ(run.Records(1), first);
    EXPECT_EQ(run.Records(2), second);
}

} // namespace
} // namespace zel::app
