// Counts, fixed counts, extents and their limits; cell geometry.

#include "framework/messages.h"
#include "tests/grid/grid_fixture.h"

#include <tuple>

namespace zel::test {
namespace {

using CountsTest = GridFixture;

TEST_F(CountsTest, CountsNeverDropBelowOneAndBadFixedCountsAreRefused) {
    for (const auto& [value, count, fixed] :
         {std::tuple(0, 1, 0), std::tuple(-7, 1, 0), std::tuple(1, 1, 0), std::tuple(2, 2, 1)}) {
        TTestGrid g;
        g.SetColCount(value);
        g.SetRowCount(value);
        EXPECT_EQ(std::tuple(g.ColCount(), g.FixedCols(), g.RowCount(), g.FixedRows()),
                  std::tuple(count, fixed, count, fixed))
            << value;
    }
    struct Case {
        void (TCustomGrid::*setter)(int);
        int value;
        const char* message;
    };
    for (const Case& c : {Case{&TCustomGrid::SetFixedRows, 5, msg::kFixedRowTooBig},
                          Case{&TCustomGrid::SetFixedCols, 5, msg::kFixedColTooBig},
                          Case{&TCustomGrid::SetFixedCols, -1, msg::kGridIndexOutOfRange}}) {
        TTestGrid g;
        g.SetCol(3);
        EXPECT_EQ(ErrorOf([&] { (g.*c.setter)(c.value); }), c.message) << c.value;
        EXPECT_EQ(std::tuple(g.FixedCols(), g.FixedRows(), g.Col()), std::tuple(1, 1, 3));
    }
}

TEST_F(CountsTest, TheCurrentCellFollowsFixedCountsAndTheLossOfItsColumnOrRow) {
    grid->SetCol(4);
    grid->SetRow(3);
    grid->SetFixedCols(2);
    EXPECT_EQ(std::tuple(grid->Col(), grid->Row(), grid->LeftCol()), std::tuple(2, 1, 2))
        << "a fixed count starts at the first scrolling cell again";
    grid->SetFixedRows(0);
    EXPECT_EQ(std::pair(grid->Row(), grid->TopRow()), std::pair(0, 0));

    grid->SetFixedRows(1);
    grid->SetCol(4);
    grid->SetRow(4);
    grid->SetColCount(8);
    EXPECT_EQ(grid->Col(), 4);
    grid->SetColCount(3);
    EXPECT_EQ(Current(), (TGridCoord{2, 4}));
    grid->SetRowCount(2);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 1, 2, 1}));
    EXPECT_EQ(grid->sizeChanges, (std::vector<std::pair<int, int>>{{5, 5}, {8, 5}, {3, 5}}));
}

TEST_F(CountsTest, AFailedResizeRestoresTheOldCounts) {
    EXPECT_EQ(ErrorOf([&] { grid->SetColCount(134'217'726); }), msg::kGridTooLarge);
    EXPECT_EQ(ErrorOf([&] { grid->SetRowCount(200'000'000); }), msg::kGridTooLarge);
    EXPECT_EQ(std::pair(grid->ColCount(), grid->RowCount()), std::pair(5, 5));

    grid->SetCol(4);
    grid->failNextSizeChange = true;
    EXPECT_EQ(ErrorOf([&] { grid->SetColCount(3); }), "size hook failed");
    EXPECT_EQ(grid->ColCount(), 5);
    // The hook heard of the new size, then of the old one again.
    EXPECT_EQ(grid->sizeChanges,
              (std::vector<std::pair<int, int>>{{5, 5}, {5, 5}, {5, 5}, {5, 5}}));

    grid->SetRowCount(134'217'725);
    EXPECT_EQ(grid->RowCount(), 134'217'725);
}

TEST_F(CountsTest, ExtentArraysAppearOnFirstUseAndFollowTheCounts) {
    EXPECT_EQ(grid->ColWidths(4), 64);
    EXPECT_TRUE(grid->TabStops(4));
    for (int bad : {-1, 5})
        EXPECT_EQ(ErrorOf([&] { grid->ColWidths(bad); }), msg::kGridIndexOutOfRange) << bad;
    EXPECT_EQ(ErrorOf([&] { grid->SetRowHeights(5, 10); }), msg::kGridIndexOutOfRange);
    EXPECT_EQ(ErrorOf([&] { grid->SetTabStops(-1, false); }), msg::kGridIndexOutOfRange);

    grid->SetColWidths(2, 100);
    grid->SetTabStops(3, false);
    grid->SetColCount(7);
    EXPECT_EQ(std::pair(grid->ColWidths(2), grid->ColWidths(6)), std::pair(100, 64));
    EXPECT_EQ(std::pair(grid->TabStops(3), grid->TabStops(6)), std::pair(false, true));
    grid->SetColCount(3);
    grid->SetColCount(5);
    EXPECT_EQ(grid->ColWidths(2), 100);
    EXPECT_EQ(grid->ColWidths(4), 64) << "entries past a shrink come back as the default";

    grid->SetDefaultColWidth(30);
    EXPECT_EQ(grid->ColWidths(2), 30);
    grid->SetRowHeights(1, 40);
    grid->SetDefaultRowHeight(17);
    EXPECT_EQ(grid->RowHeights(1), 17);
}

TEST_F(CountsTest, CellsMapToViewportPixelsWithALineAfterEachShownCell) {
    Show(300, 200);
    // Fixed column 0..63, line at 64, column 1 from 65, column 2 from 130.
    EXPECT_EQ(grid->CellRect(0, 0), QRect(0, 0, 64, 24));
    EXPECT_EQ(grid->CellRect(2, 3), QRect(130, 75, 64, 24));
    EXPECT_EQ(grid->MouseCoord(129, 49), (TGridCoord{1, 1})) << "the line belongs to the cell";
    EXPECT_EQ(grid->MouseCoord(130, 50), (TGridCoord{2, 2}));
    EXPECT_EQ(grid->MouseCoord(299, 10), (TGridCoord{4, 0}));
    EXPECT_EQ(grid->MouseCoord(10, 130), (TGridCoord{-1, -1})) << "below the last row";

    const TGridDrawInfo info = grid->CalcDrawInfo();
    EXPECT_EQ(info.Horz.FixedBoundary, 65);
    EXPECT_EQ(info.Horz.GridBoundary, 300); // column 4 ends at 325, cut off
    EXPECT_EQ(info.Vert.GridBoundary, 125);
    EXPECT_EQ(std::pair(grid->VisibleColCount(), grid->VisibleRowCount()), std::pair(3, 4));

    // Without vertical lines the columns touch.
    grid->SetOptions(grid->Options() - goVertLine);
    EXPECT_EQ(grid->CellRect(2, 1), QRect(128, 25, 64, 24));
    grid->SetOptions(grid->Options() + goVertLine);

    // The last column still counts as fully shown when only its line is cut.
    Show(5 * 65 - 1, 200);
    EXPECT_EQ(grid->VisibleColCount(), 4);

    // Columns scrolled out of view have no rectangle; fixed cells never scroll.
    Show(200, 200);
    grid->SetColCount(10);
    EXPECT_TRUE(grid->CellRect(5, 1).isEmpty());
    grid->SetLeftCol(5);
    EXPECT_EQ(grid->CellRect(5, 1), QRect(65, 25, 64, 24));
    EXPECT_TRUE(grid->CellRect(1, 1).isEmpty());
    EXPECT_EQ(grid->CellRect(0, 1), QRect(0, 25, 64, 24));
}

TEST_F(CountsTest, HugeExtentsAndFixedCountsKeepTheGeometrySane) {
    Show(300, 200);
    grid->SetColWidths(1, 2'147'483'647);
    grid->SetColWidths(2, -40);
    grid->SetRowCount(3'000'000);
    grid->SetFixedRows(2'999'000);
    grid->SetGridLineWidth(2'147'483'647);
    grid->viewport()->repaint();
    grid->SetGridLineWidth(1);
    grid->viewport()->repaint();
    EXPECT_EQ(grid->CellRect(1, 0), QRect(65, 0, 1 << 20, 24)) << "as wide as geometry goes";
    EXPECT_EQ(grid->ColWidths(1), 2'147'483'647) << "the stored width is kept";
    EXPECT_TRUE(grid->CellRect(1, 2'999'000).isEmpty()) << "the fixed rows fill the client";
    EXPECT_EQ(grid->CalcDrawInfo().Vert.GridBoundary, 200);

    grid->SetColWidths(1, 10);
    // A width below zero shows as nothing, never as a step back.
    EXPECT_EQ(grid->CellRect(2, 0), QRect(76, 0, -1, 24));
    EXPECT_EQ(grid->CellRect(3, 0).left(), 76);
    EXPECT_TRUE(escaped.empty());
}

} // namespace
} // namespace zel::test
