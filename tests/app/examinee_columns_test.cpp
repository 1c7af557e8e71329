// The main window's examinee columns: captions at start-up, the input
// method kept off, and what pastes of other widths do to the columns.

#include "app/main_form.h"
#include "app/paste.h"
#include "tests/grid/grid_fixture.h"
#include "tests/support/temp_dir.h"

namespace zel::app {
namespace {

class ExamineeColumnsTest : public testing::Test {
protected:
    test::TTempDir dir;
    test::TCurrentDirectory in{dir.Path()};
    TMainForm form;
    TMOStringGrid& grid = *form.ExamineeGrid;

    void SetUp() override { test::ShowFocused(form, &grid); }
    std::string Caption(int col) const {
        return cp932::ToUtf8(grid.GridColumns().Items(col).Caption());
    }
    QImage Grab() {
        QApplication::processEvents();
        return grid.viewport()->grab().toImage();
    }
};

TEST_F(ExamineeColumnsTest, AtStartUpTheCaptionRowReadsTheThreeCaptions) {
    const char* const captions[] = {"受験番号", "氏　名", "受験会場"};
    ASSERT_EQ(grid.GridColumns().Count(), 3);
    const QImage drawn = Grab();
    // Each caption in 12-pixel IPAPGothic (the face MS P Gothic stands for
    // here), in the middle of its cell.
    for (int col = 0; col < 3; ++col) {
        EXPECT_EQ(Caption(col), captions[col]);
        const QRect cell = grid.CellRect(col, 0);
        const QRect ink =
            test::InkBox(drawn, cell.adjusted(1, 1, -1, -1), ColorToQColor(clBtnFace).rgb());
        const QSize expected = test::InkSize(captions[col], 12);
        EXPECT_LE(std::abs(ink.width() - expected.width()), 1) << col << " " << ink.width();
        EXPECT_LE(std::abs(ink.height() - expected.height()), 1) << col << " " << ink.height();
        const int left = ink.left() - cell.left(), right = cell.right() - ink.right();
        EXPECT_LE(std::abs(left - right), 2) << col << " " << left << " " << right;
    }

    // Every column is typed into with the input method off.
    for (int col = 0; col < 3; ++col) {
        grid.HideEditor();
        grid.SetCol(col);
        QTest::keyClick(&grid, Qt::Key_F2);
        ASSERT_NE(grid.InplaceEditor(), nullptr);
        EXPECT_FALSE(test::InputMethodAccepted(grid.InplaceEditor())) << col;
    }
}

TEST_F(ExamineeColumnsTest, APasteKeepsTheThreeColumnsAndTheirCaptions) {
    ASSERT_TRUE(PasteExaminees(grid, "1001\tYamada\r\n1002\tSato\r\n").Pasted);
    EXPECT_EQ(grid.GridColumns().Count(), 3);
    ASSERT_TRUE(PasteExaminees(grid, "1\tA\tX\tQ\r\n2\tB\tY\r\n3\tC\tZ\r\n4\tD\tW\r\n").Pasted);
    ASSERT_EQ(grid.GridColumns().Count(), 3);
    EXPECT_EQ(Caption(0), "受験番号");
    EXPECT_EQ(Caption(1), "氏　名");
    EXPECT_EQ(Caption(2), "受験会場");

    // The stripe colour is yellow, but no row is striped.
    const QImage image = Grab();
    const QRgb yellow = ColorToQColor(clYellow).rgb();
    int yellowPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            yellowPixels += image.pixel(x, y) == yellow;
    EXPECT_EQ(yellowPixels, 0);
}

} // namespace
} // namespace zel::app
