// Keys on the grid: moving, scrolling, Tab with and without goTabs.

#include "tests/grid/grid_fixture.h"

#include <QScrollBar>
#include <algorithm>

namespace zel::test {
namespace {

class KeyboardTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(30);
        Show(300, 200); // columns 1..3 and rows 1..7 fully shown
    }
};

TEST_F(KeyboardTest, KeysMoveTheCurrentCell) {
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        TGridCoord from, to;
    } cases[] = {
        {"down", Qt::Key_Down, Qt::NoModifier, {2, 2}, {2, 3}},
        {"up stops at the first scrolling row", Qt::Key_Up, Qt::NoModifier, {2, 1}, {2, 1}},
        {"right", Qt::Key_Right, Qt::NoModifier, {2, 2}, {3, 2}},
        {"right stops at the last column", Qt::Key_Right, Qt::NoModifier, {5, 2}, {5, 2}},
        {"home", Qt::Key_Home, Qt::NoModifier, {4, 2}, {1, 2}},
        {"end", Qt::Key_End, Qt::NoModifier, {2, 2}, {5, 2}},
        {"page up stops at row 1", Qt::Key_PageUp, Qt::NoModifier, {2, 3}, {2, 1}},
        {"ctrl home", Qt::Key_Home, Qt::ControlModifier, {4, 9}, {1, 1}},
        {"ctrl end", Qt::Key_End, Qt::ControlModifier, {2, 2}, {5, 29}},
        {"ctrl page down", Qt::Key_PageDown, Qt::ControlModifier, {2, 2}, {2, 7}},
        {"ctrl right moves a page", Qt::Key_Right, Qt::ControlModifier, {1, 2}, {4, 2}},
        {"alt tab is not a cell move", Qt::Key_Tab, Qt::AltModifier, {2, 4}, {2, 4}},
        {"escape is ignored", Qt::Key_Escape, Qt::NoModifier, {2, 4}, {2, 4}},
    };
    grid->SetOptions(grid->Options() + goTabs);
    for (const auto& c : cases) {
        grid->SetTopRow(1);
        grid->SetLeftCol(1);
        grid->MoveCurrent(c.from.X, c.from.Y, true, true);
        grid->KeyDown(c.key, c.mods);
        EXPECT_EQ(Current(), c.to) << c.name;
        EXPECT_EQ(grid->Selection(), (TGridRect{c.to.X, c.to.Y, c.to.X, c.to.Y})) << c.name;
    }
}

TEST_F(KeyboardTest, PageKeysMoveTheTopRowByAScreenful) {
    Key(Qt::Key_PageDown);
    EXPECT_EQ(std::pair(grid->TopRow(), grid->Row()), std::pair(8, 8));
    Key(Qt::Key_PageUp);
    EXPECT_EQ(std::pair(grid->TopRow(), grid->Row()), std::pair(1, 1));
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(std::pair(grid->TopRow(), grid->Row()), std::pair(2, 1))
        << "Ctrl+Down scrolls without moving the current cell";
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(std::pair(grid->TopRow(), grid->LeftCol()), std::pair(23, 3))
        << "the largest top row shows the last row";
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(grid->TopRow(), 23);
}

TEST_F(KeyboardTest, ShiftExtendsTheSelectionOnlyWithRangeSelect) {
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 2, 3}));
    grid->SetOptions(grid->Options() - goRangeSelect);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 4, 2, 4}));
}

TEST_F(KeyboardTest, TabWalksTheTabStopsOnlyWithGoTabs) {
    QWidget other(grid.get());
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), (TGridCoord{1, 1})) << "without goTabs Tab leaves the grid";

    grid->setFocus();
    grid->SetOptions(grid->Options() + goTabs);
    grid->SetTabStops(3, false);
    grid->MoveCurrent(2, 1, true, true);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), (TGridCoord{4, 1})) << "column 3 is skipped";
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), (TGridCoord{1, 2})) << "wraps to the next row's first scrolling column";
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), (TGridCoord{5, 1}));
    EXPECT_EQ(grid->Selection(), (TGridRect{5, 1, 5, 1})) << "Shift+Tab does not extend";
    grid->MoveCurrent(1, 1, true, true);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), (TGridCoord{5, 29})) << "from the first row back to the last";
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), (TGridCoord{1, 1})) << "from the last row on to the first";
}

TEST_F(KeyboardTest, ARefusedCellStopsTheMove) {
    grid->refuseSelectCol = 2;
    Key(Qt::Key_Right);
    EXPECT_EQ(Current(), (TGridCoord{1, 1}));
    EXPECT_EQ(ErrorOf([&] { grid->MoveCurrent(6, 1, true, true); }),
              "グリッドインデックス が範囲を超えています");
}

TEST_F(KeyboardTest, ScrollingCallsTheTopLeftHookAndMovesTheBars) {
    grid->calls.clear();
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(std::count(grid->calls.begin(), grid->calls.end(), "TopLeftChanged"), 1);
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
    EXPECT_EQ(std::pair(grid->verticalScrollBar()->maximum(), grid->verticalScrollBar()->value()),
              std::pair(127, 127));
    grid->SetTopRow(12);
    // (12 - 1) * 127 / (23 - 1)
    EXPECT_EQ(grid->verticalScrollBar()->value(), 63);
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid->TopRow(), 13);
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(grid->TopRow(), 6);
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(KeyboardTest, TheThumbScrollsLiveOnlyWithThumbTrackingAndBarsShowWhenNeeded) {
    // Rows 1..23 map onto 0..127: position 64 is row 1 + 64 * 22 / 127 = 12.
    QScrollBar* bar = grid->verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(64);
    EXPECT_EQ(grid->TopRow(), 1) << "the cells wait for the release";
    bar->setSliderDown(false);
    EXPECT_EQ(grid->TopRow(), 12);

    grid->SetOptions(grid->Options() + goThumbTracking);
    bar->setSliderDown(true);
    bar->setSliderPosition(127);
    EXPECT_EQ(grid->TopRow(), 23);
    bar->setSliderPosition(0);
    EXPECT_EQ(grid->TopRow(), 1);
    bar->setSliderDown(false);
    EXPECT_EQ(std::pair(grid->TopRow(), grid->Row()), std::pair(1, 1))
        << "scrolling never moves the current cell";

    // The bars show only when the cells do not fit, and only those asked for.
    grid->SetRowCount(3);
    grid->SetColCount(3);
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible() ||
                 grid->horizontalScrollBar()->isVisible());
    grid->SetColCount(20);
    EXPECT_TRUE(grid->horizontalScrollBar()->isVisible());
    grid->SetScrollBars(ssVertical);
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
}

TEST_F(KeyboardTest, PageUpTakesTheTopRowAlongAndRowSelectWalksRows) {
    grid->SetTopRow(6);
    grid->MoveCurrent(2, 12, true, true);
    grid->KeyDown(Qt::Key_PageUp, Qt::NoModifier);
    EXPECT_EQ(std::pair(grid->TopRow(), grid->Row()), std::pair(1, 5));

    // With whole rows selected Left/Right and Home/End walk the rows, and
    // Ctrl+Left/Right do nothing.
    grid->SetOptions(grid->Options() + goRowSelect);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 5, 5, 5}));
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Left);
    EXPECT_EQ(grid->Row(), 6);
    Key(Qt::Key_End);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 29, 5, 29}));
    Key(Qt::Key_Home);
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(grid->LeftCol(), 1);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 5, 1}));
}

} // namespace
} // namespace zel::test
