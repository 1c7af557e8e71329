#include "app/main_form.h"
#include "grid/string_grid.h"
#include "platform/cp932.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/temp_dir.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zel::app {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Pastes through the real button and the real clipboard, and reads the
// grid back as UTF-8.
class PasteTest : public testing::Test {
protected:
    test::TTempDir dir;
    test::TCurrentDirectory in{dir.Path()};
    test::TMessageBoxSpy box;
    TMainForm form;
    TStringGrid& grid = *form.ExamineeGrid;

    void Paste(const char* utf8) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8));
        form.PasteButton->click();
    }
    Rows Examinees() const {
        Rows rows;
        for (int r = 1; r < grid.RowCount(); ++r) {
            rows.emplace_back();
            for (int c = 0; c < grid.ColCount(); ++c)
                rows.back().push_back(cp932::ToUtf8(grid.Cells(c, r)));
        }
        return rows;
    }
};

TEST_F(PasteTest, FirstStartHasACaptionRowAndOneEmptyExamineeRow) {
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 0);
    EXPECT_EQ(grid.ColWidths(0), 66);
    EXPECT_EQ(grid.ColWidths(1), 111);
    EXPECT_EQ(grid.ColWidths(2), 85);
    EXPECT_EQ(grid.DefaultRowHeight(), 17);
    EXPECT_EQ(grid.geometry(), QRect(0, 0, 285, 125));
}

TEST_F(PasteTest, ThreeCellsPerLineFillThreeColumns) {
    Paste("1001\t山田　太郎\t本校\r\n1002\t髙橋　﨑子\t駅前校\r\n");
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(Examinees(),
              (Rows{{"1001", "山田　太郎", "本校"}, {"1002", "髙橋　﨑子", "駅前校"}}));
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(PasteTest, SplittingRulesOfTheCells) {
    // A half-width space splits the name and pushes the venue out; a comma
    // splits a cell; two tabs give a one-blank cell; a trailing tab an
    // empty one; a quoted cell keeps its tab (by then a comma).
    Paste("0\tSuzuki\tHall\n"
          "1\tYamada Taro\tHall\n"
          "2\tA,B\tHall\n"
          "3\t\tHall\n"
          "4\tSato\t\n"
          "5\t\"Ito\tJiro\"\tHall\n");
    EXPECT_EQ(Examinees(), (Rows{{"0", "Suzuki", "Hall"},
                                 {"1", "Yamada", "Taro"},
                                 {"2", "A", "B"},
                                 {"3", " ", "Hall"},
                                 {"4", "Sato", ""},
                                 {"5", "Ito,Jiro", "Hall"}}));
}

TEST_F(PasteTest, LineBreaksOfEveryKind) {
    Paste("1\ta\rb\n2\tc\r\n\r\n3\td\n\r4\te");
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(
        Examinees(),
        (Rows{{"1", "a"}, {"b", ""}, {"2", "c"}, {"", ""}, {"3", "d"}, {"", ""}, {"4", "e"}}));
}

TEST_F(PasteTest, AQuotedCellWithALineBreakIsCutIntoTwoRows) {
    // The first half has lost its closing quote, so it also loses its last
    // character; the second half keeps the quote as text.
    Paste("1\t\"first\nsecond\"\tHall\n");
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(Examinees(), (Rows{{"1", "firs"}, {"second\"", "Hall"}}));
}

TEST_F(PasteTest, TheFirstLineDecidesTheColumns) {
    Paste("1\tA\n2\tB\tVenue\tExtra\n");
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(Examinees(), (Rows{{"1", "A"}, {"2", "B"}}));
    Paste("1\tA\tV\tW\tX\n2\tB\n");
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(Examinees(), (Rows{{"1", "A", "V", "W", "X"}, {"2", "B", "", "", ""}}));
}

TEST_F(PasteTest, AShorterPasteLeavesTheEarlierRowsOutOfTheGrid) {
    std::string ten;
    for (int i = 1; i <= 10; ++i)
        ten += std::to_string(i) + "\tName" + std::to_string(i) + "\tHall\n";
    Paste(ten.c_str());
    EXPECT_EQ(grid.RowCount(), 11);
    Paste("a\tb\tc\nd\te\tf\ng\th\ti\n");
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(Examinees(), (Rows{{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}}));
    // Still stored beyond the row count, but no longer a row of the grid.
    EXPECT_EQ(grid.Cells(1, 4), "Name4");
}

TEST_F(PasteTest, AnEmptyClipboardChangesNothingAndSaysSo) {
    Paste("1\tA\tHall\n");
    QGuiApplication::clipboard()->clear();
    form.PasteButton->click();
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(Examinees(), (Rows{{"1", "A", "Hall"}}));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].text), "クリップボードに貼り付けるテキストがありません。");
    EXPECT_EQ(box.shown[0].type, TMsgDlgType::mtInformation);
}

TEST_F(PasteTest, ABlankFirstLineGivesOneColumn) {
    Paste("\r\n1\tA\n");
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(Examinees(), (Rows{{""}, {"1"}}));
}

} // namespace
} // namespace zel::app
