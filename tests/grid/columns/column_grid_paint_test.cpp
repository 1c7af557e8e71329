// What a grid with column definitions paints, read back in device pixels.

#include "tests/grid/grid_fixture.h"

#include <QFontMetrics>

namespace zel::test {
namespace {

using ColumnPaintTest = ColumnGridFixture;

TEST_F(ColumnPaintTest, StripesAndColumnColoursBesideANumberedColumn) {
    struct Case {
        TMOGridStyle style;
        bool autoNum;
    };
    for (const Case c : {Case{mgsNormal, false}, Case{mgsStriped, false}, Case{mgsNormal, true},
                         Case{mgsStriped, true}}) {
        SCOPED_TRACE(testing::Message() << c.style << " " << c.autoNum);
        grid = std::make_unique<TMOStringGrid>();
        grid->SetColCount(3);
        grid->SetRowCount(6);
        grid->SetFixedCols(c.autoNum ? 1 : 0);
        grid->SetFixAutoNum(c.autoNum);
        grid->SetGridStyle(c.style);
        for (int col = 0; col < 3; ++col)
            Column(col).SetColor(clBlue);
        Show();
        const QImage image = Grab();
        for (int row = 1; row < 6; ++row) {
            const QRect cell = grid->CellRect(2, row);
            const TColor want = c.style == mgsNormal ? clBlue : row % 2 == 0 ? clYellow : clWindow;
            EXPECT_EQ(image.pixel(cell.right() - 2, cell.bottom() - 2), Of(want)) << row;
            const QRect fixed = grid->CellRect(0, row);
            const TColor fixedWant = c.autoNum ? clBtnFace : want; // column 0 is fixed or not
            EXPECT_EQ(image.pixel(fixed.left() + 2, fixed.bottom() - 2), Of(fixedWant)) << row;
        }
    }
}

TEST_F(ColumnPaintTest, HeaderCellsShowTheCaptionOrTheRowNumberInTheHeaderFontAndPlace) {
    grid->SetColCount(2);
    grid->SetRowCount(4);
    grid->SetFixAutoNum(true);
    grid->SetColWidths(0, 60);
    grid->SetColWidths(1, 200);
    grid->SetRowHeights(0, 44);
    grid->SetRowHeights(2, 30);
    Column(1).SetCaption("Name");
    Column(1).SetFixCellFont({.Name = "IPAPGothic", .Height = -24});
    Column(1).SetFixAlignment(taRightJustify);
    Column(1).SetFixAlignmentV(tavBottom);
    Column(0).SetFixCellFont({.Name = "IPAPGothic", .Height = -12});
    Column(0).SetFixAlignment(taLeftJustify);
    Column(0).SetFixAlignmentV(tavTop);
    Show();
    const QRect caption = grid->CellRect(1, 0);
    const QRect number = grid->CellRect(0, 2);
    const QImage drawn = Grab();

    // The caption: 24-pixel text at the bottom right, inside the margins
    // of 5 and 3 plus the glyphs' own bearings; its baseline sits the
    // font's descent above the bottom margin ("Name" has no descender).
    const QRect captionInk = InkBox(drawn, caption.adjusted(2, 2, -2, -2), Of(clBtnFace));
    const QSize captionSize = InkSize("Name", 24);
    EXPECT_LE(std::abs(captionInk.width() - captionSize.width()), 1) << captionInk.width();
    EXPECT_LE(std::abs(captionInk.height() - captionSize.height()), 1) << captionInk.height();
    const int right = caption.right() - captionInk.right();
    const int bottom = caption.bottom() - captionInk.bottom();
    EXPECT_TRUE(right >= 5 && right <= 7) << right;
    const int descent = QFontMetrics(IpaFont(24)).descent();
    EXPECT_LE(std::abs(bottom - (3 + descent)), 1) << bottom;

    // The row number counts the data rows: "2" on the second, top left.
    const QRect numberInk = InkBox(drawn, number.adjusted(2, 2, -2, -2), Of(clBtnFace));
    EXPECT_EQ(numberInk.size(), InkSize("2", 12));
    const int left = numberInk.left() - number.left();
    const int top = numberInk.top() - number.top();
    EXPECT_TRUE(left >= 5 && left <= 7) << left;
    EXPECT_TRUE(top >= 3 && top <= 6) << top;

    // A header cell's own text wins over the caption and the number.
    grid->SetCells(1, 0, "Own");
    grid->SetCells(0, 2, "x");
    const QImage own = Grab();
    EXPECT_NE(drawn.copy(caption), own.copy(caption));
    EXPECT_NE(drawn.copy(number), own.copy(number));
}

TEST_F(ColumnPaintTest, DataTextIsPlacedByTheColumnAlignmentsInsideItsMargins) {
    struct Case {
        TAlignment alignment;
        TAlignmentV alignmentV;
    };
    const Case cases[] = {
        {taLeftJustify, tavTop}, {taCenter, tavCenter}, {taRightJustify, tavBottom}};
    grid->SetColCount(2);
    grid->SetRowCount(3);
    grid->SetColWidths(1, 150);
    grid->SetRowHeights(2, 40);
    grid->SetCells(1, 2, "WW");
    Show();
    const QRect cell = grid->CellRect(1, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.alignment) << " " << int(c.alignmentV));
        Column(1).SetAlignment(c.alignment);
        Column(1).SetAlignmentV(c.alignmentV);
        const QImage image = Grab();
        const QRect ink = InkBox(image, cell, Of(clWindow));
        ASSERT_FALSE(ink.isEmpty());
        const int left = ink.left() - cell.left(), right = cell.right() - ink.right();
        const int top = ink.top() - cell.top(), bottom = cell.bottom() - ink.bottom();
        // Margins of 5 (sides) and 3 (top, bottom), plus the glyphs' own
        // side bearings; centred text is even on both sides.
        const bool across = c.alignment == taLeftJustify    ? left >= 5 && left <= 7
                            : c.alignment == taRightJustify ? right >= 5 && right <= 7
                                                            : std::abs(left - right) <= 2;
        const bool down = c.alignmentV == tavTop      ? top >= 3 && top <= 6
                          : c.alignmentV == tavBottom ? bottom >= 3 && bottom <= 7
                                                      : std::abs(top - bottom) <= 3;
        EXPECT_TRUE(across) << left << " " << right;
        EXPECT_TRUE(down) << top << " " << bottom;
    }
}

TEST_F(ColumnPaintTest, CheckBoxCellsShowABoxInTheMiddleAndNoText) {
    grid->SetColCount(2);
    grid->SetRowCount(4);
    grid->SetColWidths(1, 100);
    Column(1).SetButtonStyle(cbsCheckBox);
    grid->SetCells(1, 2, "1");
    grid->SetCells(1, 3, "yes");
    Show();
    const QImage image = Grab();
    auto box = [&](int row) {
        const QRect cell = grid->CellRect(1, row);
        return InkBox(image, cell.adjusted(1, 1, -1, -1), Of(clWindow));
    };
    const QRect checked = box(2), unchecked = box(3);
    ASSERT_FALSE(unchecked.isEmpty());
    const QRect cell = grid->CellRect(1, 3);
    EXPECT_LE(unchecked.width(), 14) << "only the box, no text beside it";
    EXPECT_LE(std::abs(unchecked.center().x() - cell.center().x()), 2);
    EXPECT_EQ(checked.size(), unchecked.size());
    EXPECT_NE(image.pixel(checked.center()), image.pixel(unchecked.center()))
        << "only \"1\" is checked";
}

} // namespace
} // namespace zel::test
