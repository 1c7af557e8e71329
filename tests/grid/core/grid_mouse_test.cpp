// The mouse: clicking cells and the editor, range selection, sizing and
// moving columns and rows, the wheel.

#include "tests/grid/grid_fixture.h"

#include <functional>

namespace zel::test {
namespace {

class MouseTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(40);
        Show(300, 200);
    }
    QWidget* Viewport() const { return grid->viewport(); }
    void Press(QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mousePress(Viewport(), Qt::LeftButton, mods, at);
    }
    void Release(QPoint at) { QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, at); }
    void Drag(QPoint to) {
        QMouseEvent move(QEvent::MouseMove, to, Viewport()->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Viewport(), &move);
    }
    // Press, move and release the left button.
    void PressDragRelease(QPoint from, QPoint to) {
        Press(from);
        Drag(to);
        Release(to);
    }
};

TEST_F(MouseTest, DraggingSelectsARange) {
    PressDragRelease(CellCentre(1, 1), CellCentre(3, 4));
    EXPECT_EQ(std::pair(grid->Selection(), grid->Col()), std::pair(TGridRect{1, 1, 3, 4}, 1));
    Press(CellCentre(2, 2), Qt::ShiftModifier);
    Release(CellCentre(2, 2));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2})) << "Shift moves only the anchor";
}

TEST_F(MouseTest, HoldingThePointerBelowTheCellsScrollsEveryTick) {
    std::vector<int> timerLog;
    auto owned = std::make_unique<TManualTimer>(timerLog);
    TManualTimer& timer = *owned;
    grid->SetScrollTimer(std::move(owned));
    Press(CellCentre(1, 2));
    EXPECT_EQ(timerLog, std::vector<int>{60});
    Drag(QPoint(100, 250));
    const int top = grid->TopRow();
    timer.Tick();
    EXPECT_EQ(grid->TopRow(), top + 1);
    timer.Tick();
    EXPECT_EQ(grid->TopRow(), top + 2);
    EXPECT_EQ(grid->Selection().Bottom, grid->CalcDrawInfo().Vert.LastFullVisibleCell);
    Release(QPoint(100, 250));
    EXPECT_EQ(timerLog, (std::vector<int>{60, 0})) << "release stops the timer";
}

TEST_F(MouseTest, APressOutsideTheDataCellsWhileEditingLeavesTheCellShowing) {
    grid->SetRowCount(3);
    grid->SetOptions(grid->Options() + goEditing);
    grid->SetCells(1, 1, "WWWW");
    const QRect cell = grid->CellRect(1, 1);
    const auto inked = [&] {
        const QImage image = Grab().copy(cell.adjusted(1, 1, -1, -1));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    return true;
        return false;
    };
    const QPoint belowTheRows(100, grid->CellRect(1, 2).bottom() + 30);
    struct Case {
        const char* what;
        std::function<void()> press;
    } cases[] = {
        {"below the rows", [&] { Press(belowTheRows); }},
        {"on the caption row", [&] { Press(CellCentre(1, 0)); }},
        {"right button",
         [&] { QTest::mousePress(Viewport(), Qt::RightButton, {}, CellCentre(2, 2)); }},
        {"double click", [&] { QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, belowTheRows); }},
    };
    for (const Case& c : cases) {
        grid->SetCol(1);
        grid->SetRow(1);
        grid->ShowEditor();
        ASSERT_TRUE(EditorShown()) << c.what;
        c.press();
        QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, belowTheRows);
        EXPECT_FALSE(EditorShown()) << c.what;
        EXPECT_TRUE(inked()) << c.what << ": the current cell shows its text";
        grid->HideEditor();
    }
}

TEST_F(MouseTest, WithEditingAClickOnTheCurrentCellOpensTheEditor) {
    grid->SetOptions(grid->Options() + goEditing);
    int clicks = 0;
    grid->OnClick = [&](QObject&) { ++clicks; };
    grid->SetCells(2, 3, "text");
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(2, 3));
    EXPECT_EQ(Current(), (TGridCoord{2, 3}));
    EXPECT_FALSE(EditorShown()) << "a click on another cell only moves there";
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(2, 3));
    ASSERT_TRUE(EditorShown() && clicks == 2);
    Type("new");
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    EXPECT_EQ(Cell(2, 3), "new");
    int doubles = 0;
    grid->OnDblClick = [&](QObject&) { ++doubles; };
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, CellCentre(3, 3));
    EXPECT_EQ(doubles, 1);
}

TEST_F(MouseTest, DraggingAFixedLineSizesAndAHeaderMovesWhenTheOptionsSaySo) {
    // The line after column 1 is at x = 129; its hot band is 126..132.
    PressDragRelease(QPoint(129, 10), QPoint(160, 10));
    EXPECT_EQ(grid->ColWidths(1), 64) << "no sizing without goColSizing";

    grid->SetOptions(grid->Options() + goColSizing + goRowSizing);
    PressDragRelease(QPoint(127, 10), QPoint(150, 10));
    EXPECT_EQ(grid->ColWidths(1), 64 + 23);
    Press(QPoint(10, 50));
    Release(QPoint(10, 40));
    EXPECT_EQ(grid->RowHeights(1), 14);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1})) << "sizing selects nothing";
    grid->SetOptions(grid->Options() + goColMoving + goRowMoving);
    grid->Rows(1).SetCommaText("a,b,c,d");
    PressDragRelease(CellCentre(1, 0), CellCentre(3, 0));
    EXPECT_EQ(grid->Rows(1).CommaText(), "a,c,d,b,,");
    PressDragRelease(CellCentre(0, 1), CellCentre(0, 2));
    EXPECT_EQ(grid->Rows(2).CommaText(), "a,c,d,b,,");
}

TEST_F(MouseTest, TheWheelMovesTheCurrentRowWithinTheScrollingRows) {
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(100, 100), Viewport()->mapToGlobal(QPointF(100, 100)), {},
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Viewport(), &event);
    };
    wheel(-120);
    wheel(-120);
    EXPECT_EQ(grid->Row(), 3);
    for (int i = 0; i < 5; ++i)
        wheel(120);
    EXPECT_EQ(grid->Row(), 1);
    grid->SetRow(39);
    wheel(-120);
    EXPECT_EQ(grid->Row(), 39);
    grid->OnMouseWheelUp = [](QObject*, Qt::KeyboardModifiers, QPoint, bool& handled) {
        handled = true;
    };
    wheel(120);
    EXPECT_EQ(grid->Row(), 39) << "a handler that claims the wheel keeps the row";
}

TEST_F(MouseTest, AGridThatNeverTakesTheFocusStillSelectsWithTheMouse) {
    QLineEdit keeper(grid.get());
    keeper.move(0, 180);
    keeper.show();
    keeper.setFocus();
    grid->setFocusPolicy(Qt::NoFocus);
    int clicks = 0;
    grid->OnClick = [&](QObject&) { ++clicks; };
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(3, 2));
    EXPECT_EQ(std::pair(Current(), clicks), std::pair(TGridCoord{3, 2}, 1));
    EXPECT_TRUE(keeper.hasFocus()) << "the focus stays where it was";

    // Without a tab stop the grid still takes the focus from a click.
    grid->SetTabStop(false);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(Current(), (TGridCoord{1, 1}));
}

} // namespace
} // namespace zel::test
