// Counts, fixed counts, extents and their limits; cell geometry.

#include "framework/messages.h"
#include "tests/grid/grid_fixture.h"

namespace zel::test {
namespace {

using CountsTest = GridFixture;

TEST_F(CountsTest, AFreshGridHasTheDocumentedDefaults) {
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->DefaultColWidth(), 64);
    EXPECT_EQ(grid->DefaultRowHeight(), 24);
    EXPECT_EQ(grid->GridLineWidth(), 1);
    EXPECT_EQ(grid->Options(), (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine,
                                             goHorzLine, goRangeSelect}));
    EXPECT_EQ(grid->FixedColor(), clBtnFace);
    EXPECT_EQ(grid->Color(), clWindow);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->LeftCol(), 1);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->size(), QSize(5 * 64, 5 * 24));
    EXPECT_EQ(TGridOptions{goThumbTracking}.ToBits(), 1 << 14);
}

struct CountCase {
    int value;
    int count;
    int fixed;
};

TEST_F(CountsTest, CountsNeverDropBelowOneAndPullTheFixedCountDown) {
    for (const CountCase& c : {CountCase{0, 1, 0}, CountCase{-7, 1, 0}, CountCase{1, 1, 0},
                               CountCase{2, 2, 1}, CountCase{9, 9, 1}}) {
        TTestGrid cols;
        cols.SetColCount(c.value);
        EXPECT_EQ(cols.ColCount(), c.count) << c.value;
        EXPECT_EQ(cols.FixedCols(), c.fixed) << c.value;
        TTestGrid rows;
        rows.SetRowCount(c.value);
        EXPECT_EQ(rows.RowCount(), c.count) << c.value;
        EXPECT_EQ(rows.FixedRows(), c.fixed) << c.value;
    }
}

TEST_F(CountsTest, BadFixedCountsAreRefusedAndChangeNothing) {
    struct Case {
        void (TCustomGrid::*setter)(int);
        int value;
        const char* message;
    };
    for (const Case& c : {Case{&TCustomGrid::SetFixedRows, 5, msg::kFixedRowTooBig},
                          Case{&TCustomGrid::SetFixedCols, 5, msg::kFixedColTooBig},
                          Case{&TCustomGrid::SetFixedRows, 9, msg::kFixedRowTooBig},
                          Case{&TCustomGrid::SetFixedCols, -1, msg::kGridIndexOutOfRange},
                          Case{&TCustomGrid::SetFixedRows, -1, msg::kGridIndexOutOfRange}}) {
        TTestGrid g;
        g.SetCol(3);
        try {
            (g.*c.setter)(c.value);
            ADD_FAILURE() << c.value;
        } catch (const EInvalidGridOperation& e) {
            EXPECT_EQ(cp932::ToUtf8(e.Message()), c.message);
        }
        EXPECT_EQ(g.FixedCols(), 1);
        EXPECT_EQ(g.FixedRows(), 1);
        EXPECT_EQ(g.Col(), 3);
    }
}

TEST_F(CountsTest, SettingAFixedCountStartsAtTheFirstScrollingCellAgain) {
    grid->SetCol(4);
    grid->SetRow(3);
    grid->SetFixedCols(2);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->LeftCol(), 2);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 1, 2, 1}));
    grid->SetFixedRows(0);
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_EQ(grid->TopRow(), 0);
}

TEST_F(CountsTest, TheCurrentCellFollowsOnlyWhenItsColumnOrRowGoes) {
    grid->SetCol(4);
    grid->SetRow(4);
    grid->SetColCount(8);
    EXPECT_EQ(grid->Col(), 4);
    grid->SetColCount(3);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 4);
    grid->SetRowCount(2);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 1, 2, 1}));
    EXPECT_EQ(grid->sizeChanges, (std::vector<std::pair<int, int>>{{5, 5}, {8, 5}, {3, 5}}));
}

TEST_F(CountsTest, AFailedResizeRestoresTheOldCounts) {
    EXPECT_EQ(ErrorOf([&] { grid->SetColCount(134'217'726); }), msg::kGridTooLarge);
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(ErrorOf([&] { grid->SetRowCount(200'000'000); }), msg::kGridTooLarge);
    EXPECT_EQ(grid->RowCount(), 5);

    grid->SetCol(4);
    grid->failNextSizeChange = true;
    EXPECT_EQ(ErrorOf([&] { grid->SetColCount(3); }), "size hook failed");
    EXPECT_EQ(grid->ColCount(), 5);
    // The hook heard of the new size, then of the old one again.
    ASSERT_EQ(grid->sizeChanges.size(), 4u);
    EXPECT_EQ(grid->sizeChanges[2], std::make_pair(5, 5));
    EXPECT_EQ(grid->sizeChanges[3], std::make_pair(5, 5));

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
    EXPECT_EQ(grid->ColWidths(2), 100);
    EXPECT_EQ(grid->ColWidths(6), 64);
    EXPECT_FALSE(grid->TabStops(3));
    EXPECT_TRUE(grid->TabStops(6));
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

TEST_F(CountsTest, MovingAColumnOrRowTakesItsExtentsAlong) {
    grid->SetColWidths(1, 11);
    grid->SetColWidths(3, 33);
    grid->SetTabStops(1, false);
    grid->MoveColumn(1, 3);
    EXPECT_EQ(grid->ColWidths(1), 64);
    EXPECT_EQ(grid->ColWidths(2), 33);
    EXPECT_EQ(grid->ColWidths(3), 11);
    EXPECT_FALSE(grid->TabStops(3));
    EXPECT_TRUE(grid->TabStops(1));
    grid->SetRowHeights(4, 44);
    grid->MoveRow(4, 0);
    EXPECT_EQ(grid->RowHeights(0), 44);
    EXPECT_EQ(grid->RowHeights(1), 24);
    EXPECT_EQ(ErrorOf([&] { grid->MoveColumn(0, 5); }), msg::kGridIndexOutOfRange);
}

TEST_F(CountsTest, CellsMapToViewportPixelsWithALineAfterEachCell) {
    Show(300, 200);
    // Fixed column 0..63, line at 64, column 1 from 65, column 2 from 130.
    EXPECT_EQ(grid->CellRect(0, 0), QRect(0, 0, 64, 24));
    EXPECT_EQ(grid->CellRect(1, 1), QRect(65, 25, 64, 24));
    EXPECT_EQ(grid->CellRect(2, 3), QRect(130, 75, 64, 24));
    EXPECT_EQ(grid->MouseCoord(65, 25), (TGridCoord{1, 1}));
    EXPECT_EQ(grid->MouseCoord(129, 49), (TGridCoord{1, 1})) << "the line belongs to the cell";
    EXPECT_EQ(grid->MouseCoord(130, 50), (TGridCoord{2, 2}));
    EXPECT_EQ(grid->MouseCoord(299, 10), (TGridCoord{4, 0}));
    EXPECT_EQ(grid->MouseCoord(10, 130), (TGridCoord{-1, -1})) << "below the last row";

    const TGridDrawInfo info = grid->CalcDrawInfo();
    EXPECT_EQ(info.Horz.FixedBoundary, 65);
    EXPECT_EQ(info.Horz.GridBoundary, 300); // column 4 ends at 325, cut off
    EXPECT_EQ(info.Horz.LastFullVisibleCell, 3);
    EXPECT_EQ(info.Vert.GridBoundary, 125);
    EXPECT_EQ(grid->VisibleColCount(), 3);
    EXPECT_EQ(grid->VisibleRowCount(), 4);

    // Without vertical lines the columns touch.
    grid->SetOptions(grid->Options() - goVertLine);
    EXPECT_EQ(grid->CellRect(2, 1), QRect(128, 25, 64, 24));
}

TEST_F(CountsTest, TheLastColumnStillCountsAsFullyShownWhenOnlyItsLineIsCut) {
    Show(5 * 65 - 1, 200);
    EXPECT_EQ(grid->CalcDrawInfo().Horz.LastFullVisibleCell, 4);
    EXPECT_EQ(grid->VisibleColCount(), 4);
}

TEST_F(CountsTest, HiddenColumnsAreNotGivenARectangle) {
    Show(200, 200);
    grid->SetColCount(10);
    EXPECT_TRUE(grid->CellRect(5, 1).isEmpty());
    grid->SetLeftCol(5);
    EXPECT_EQ(grid->CellRect(5, 1), QRect(65, 25, 64, 24));
    EXPECT_TRUE(grid->CellRect(1, 1).isEmpty());
    EXPECT_EQ(grid->CellRect(0, 1), QRect(0, 25, 64, 24)) << "fixed cells never scroll";
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
    EXPECT_EQ(grid->CellRect(0, 0), QRect(0, 0, 64, 24));
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
