// What the grid paints, read back from a grabbed image in device pixels.

#include "tests/grid/grid_fixture.h"

namespace zel::test {
namespace {

struct Probe {
    const char* what;
    int x, y;
    TColor colour;
};

class PaintTest : public GridFixture {
protected:
    static QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y); }
    // Grabs the viewport and compares each probed pixel with its colour.
    void ExpectPixels(std::initializer_list<Probe> probes) {
        const QImage image = Grab();
        for (const Probe& p : probes)
            EXPECT_EQ(At(image, p.x, p.y), Of(p.colour)) << p.what;
    }
};

TEST_F(PaintTest, LinesFillsAndEdgesHaveTheirColours) {
    grid->SetColCount(3);
    grid->SetRowCount(3);
    Show(300, 200);
    grid->SetCells(1, 1, "");
    ASSERT_EQ(Grab().size(), QSize(300, 200));
    ExpectPixels({
        {"fixed cell", 30, 12, clBtnFace},
        {"fixed line after column 0", 64, 12, clBlack},
        {"fixed line under row 0", 100, 24, clBlack},
        {"fixed column line beside a scrolling row", 64, 60, clBlack},
        {"scrolling vertical line", 129, 60, clSilver},
        {"scrolling cell", 160, 60, clWindow},
        {"raised edge, light side", 0, 12, clBtnHighlight},
        {"raised edge, shadow side", 63, 12, clBtnShadow},
        {"area right of the cells", 250, 12, clWindow},
    });
}

TEST_F(PaintTest, SelectionIsHighlightedExceptTheFocusedCell) {
    Show(400, 200);
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid.get(), Qt::Key_Right, Qt::ShiftModifier);
    ExpectPixels({{"(2, 1) selected", 160, 40, clHighlight},
                  {"(2, 2) is current and focused", 160, 65, clWindow},
                  {"(3, 1) outside", 250, 40, clWindow}});
    // The focus rectangle's dots invert the cell's edge.
    EXPECT_NE(At(Grab(), 130, 50), Of(clWindow));

    grid->SetOptions(grid->Options() + goDrawFocusSelected);
    ExpectPixels({{"focused cell drawn selected", 160, 65, clHighlight}});

    // Without the focus the current cell is highlighted like the rest.
    grid->SetOptions(grid->Options() - goDrawFocusSelected);
    QLineEdit other;
    ShowFocused(other);
    grid->clearFocus();
    ExpectPixels({{"current cell without the focus", 160, 65, clHighlight}});
}

TEST_F(PaintTest, ThickLinesMissingLineOptionsAndTheLineColourOfASilverGrid) {
    grid->SetGridLineWidth(3);
    grid->SetOptions({goFixedVertLine, goVertLine, goHorzLine});
    Show(300, 200);
    const QImage image = Grab();
    // Column 0 is 0..63, its line 64..66, column 1 from 67.
    for (int x : {64, 66})
        EXPECT_EQ(At(image, x, 60), Of(clBlack)) << x;
    EXPECT_EQ(At(image, 67 + 64, 60), Of(clSilver));
    EXPECT_EQ(At(image, 67, 60), Of(clWindow));
    // No fixed horizontal lines: the fixed row's line slot shows no black.
    EXPECT_NE(At(image, 100, 25), Of(clBlack));

    // On a silver grid the line colour turns grey.
    grid->SetColor(clSilver);
    ExpectPixels({{"line", 67 + 64, 60, clGray}, {"cell", 160, 60, clSilver}});
}

TEST_F(PaintTest, RowSelectHighlightsTheWholeRow) {
    grid->SetOptions(grid->Options() + goRowSelect);
    Show(400, 200);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    const QImage image = Grab();
    for (int x : {100, 300})
        EXPECT_EQ(At(image, x, 62), Of(clHighlight)) << x;
    EXPECT_EQ(At(image, 100, 37), Of(clWindow));
}

TEST_F(PaintTest, TheCellPainterDrawsTextAtTwoPixelsIn) {
    grid->SetCells(1, 1, "W");
    grid->SetCells(2, 2, "W");
    Show(300, 200);
    grid->SetOptions(grid->Options() + goRowSelect); // no focus mark over (1, 1)
    grid->SetOptions(grid->Options() - goRowSelect);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    const QImage image = Grab();
    const auto inked = [&](int left, int right, int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (At(image, x, y) != Of(clWindow))
                    return true;
        return false;
    };
    // Some ink near the top-left of (2, 2), none in the first two pixels.
    EXPECT_TRUE(inked(132, 142, 52, 66));
    EXPECT_FALSE(inked(130, 132, 60, 61));
    EXPECT_FALSE(inked(160, 194, 52, 74));
}

TEST_F(PaintTest, AnErrorInACellPainterReachesTheApplicationHandler) {
    grid->OnDrawCell = [](QObject*, int col, int row, const QRect&, TGridDrawState) {
        if (col == 2 && row == 2)
            throw EInvalidGridOperation("bad cell");
    };
    Show(300, 200);
    const QImage image = Grab();
    ASSERT_FALSE(escaped.empty());
    EXPECT_EQ(escaped.front(), "bad cell");
    EXPECT_EQ(At(image, 30, 12), Of(clBtnFace)) << "cells before it were painted";
}

} // namespace
} // namespace zel::test
