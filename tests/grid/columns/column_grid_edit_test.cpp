// Editing a grid with column definitions through the real editor: integer columns, check-box cells,
// calendar cells and the input-method mode of each column.

#include "tests/grid/grid_fixture.h"
#include "tests/support/japanese_date_locale.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zel::test {
namespace {

class ColumnEditTest : public ColumnGridFixture {
protected:
    void SetUp() override {
        ColumnGridFixture::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(5);
        Show();
    }
};

TEST_F(ColumnEditTest, IntegerColumnsKeepTheLastValidNumber) {
    struct Case {
        const char *typed, *cell, *shown;
        int caret;
    };
    const Case cases[] = {
        {"12x", "12", "12", 2}, {"-", "-0", "-", 1},   {"007", "7", "007", 3},
        {"x", "", "", 0},       {"-5", "-5", "-5", 2}, {"1-", "1", "1", 1},
    };
    Column(1).SetDataType(dtInteger);
    for (const Case& c : cases) {
        grid->HideEditor();
        grid->SetCells(1, 1, "");
        Type(c.typed);
        ASSERT_TRUE(Editor() && Editor()->isVisible()) << c.typed;
        EXPECT_EQ(Cell(1, 1), c.cell) << c.typed;
        EXPECT_EQ(EditorText(), c.shown) << c.typed;
        EXPECT_EQ(Editor()->cursorPosition(), c.caret) << c.typed;
    }
}

TEST_F(ColumnEditTest, APasteKeepsEachColumnsRules) {
    grid->SetOptions({goEditing});
    grid->SetColCount(6);
    Column(2).SetCanEdit(false);
    Column(3).SetDataType(dtInteger);
    Column(4).SetButtonStyle(cbsCheckBox);
    Column(5).SetButtonStyle(cbsSpin);
    Column(5).SetDataType(dtString); // a spin button steps numbers all the same
    for (int col = 2; col <= 5; ++col)
        grid->SetCells(col, 2, "7");
    grid->SetCol(1);
    grid->SetRow(1);
    // Integer and spin columns take numbers, check boxes "1" or "0"; any
    // other text leaves the cell as it was.
    QGuiApplication::clipboard()->setText("a\tb\t012\t1\t-3\nd\te\tabc\tyes\tx\ng\th\ti\t0\n");
    QTest::keyClick(grid.get(), Qt::Key_V, Qt::ControlModifier);
    const auto row = [&](int r) {
        std::string cells;
        for (int col = 1; col <= 5; ++col)
            cells += (col > 1 ? "|" : "") + Cell(col, r);
        return cells;
    };
    EXPECT_EQ(row(1), "a||12|1|-3");
    EXPECT_EQ(row(2), "d|7|7|7|7");
    EXPECT_EQ(Cell(4, 3), "0");
    // One cell goes through the same rules.
    grid->SetCol(3);
    QGuiApplication::clipboard()->setText("abc");
    QTest::keyClick(grid.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cell(3, 1), "12");
}

TEST_F(ColumnEditTest, ACheckBoxCellTogglesWhereItIsClickedAndNowhereElse) {
    Column(1).SetButtonStyle(cbsCheckBox);
    Column(0).SetButtonStyle(cbsCheckBox); // the fixed column
    std::vector<std::tuple<int, int, bool>> checks;
    grid->OnCheckCellClick = [&](QObject*, int col, int row, bool check) {
        checks.emplace_back(col, row, check);
    };
    Click(1, 3);
    EXPECT_EQ(Cell(1, 3), "1");
    Click(1, 3);
    EXPECT_EQ(Cell(1, 3), "0");
    Click(0, 3);
    EXPECT_EQ(Cell(0, 3), "");
    EXPECT_EQ(checks, (std::vector<std::tuple<int, int, bool>>{{1, 3, true}, {1, 3, false}}));
    EXPECT_EQ(grid->Row(), 1) << "the current cell stays";
    EXPECT_FALSE(grid->EditorMode());

    // Typing on a check-box cell cannot put text into it.
    grid->SetCells(1, 1, "1");
    Type("z");
    EXPECT_EQ(Cell(1, 1), "1");
}

TEST_F(ColumnEditTest, CalendarCellsLoadTheirDateAndStoreNothingUntouched) {
    const TFixedToday today(TDate(2026, 12, 7));
    const TScopedDateLocale locale(JapaneseDateLocale());
    Column(1).SetButtonStyle(cbsCalendar);
    const struct {
        TMODateFormat format;
        const char *cell, *shown, *mask;
        TDate date;
        const char* stored;
    } cases[] = {
        {dtShort, "", "    /  /  ", "!9999/99/00;1;_", {2026, 12, 7}, ""},
        {dtLong, "", "    年  月  日", "!9999年99月00日;1;_", {2026, 12, 7}, ""},
        {dtShort, "2025/03/15", "2025/03/15", "!9999/99/00;1;_", {2025, 3, 15}, "2025/03/15"},
        {dtShort,
         "2025年3月15日",
         "2025年3月15日",
         "!9999/99/00;1;_",
         {2025, 3, 15},
         "2025年3月15日"},
        {dtLong, "not a date", "not a date", "!9999年99月00日;1;_", {2026, 12, 7}, "not a date"},
    };
    for (const auto& c : cases) {
        Column(1).SetDateFormat(c.format);
        grid->SetCells(1, 1, cp932::Sys(c.cell));
        Key(Qt::Key_F2);
        EXPECT_EQ(EditorText(), c.shown) << c.cell;
        EXPECT_EQ(cp932::ToUtf8(Editor()->EditMask()), c.mask) << c.cell;
        EXPECT_EQ(grid->EditDate(), c.date) << c.cell;
        Key(Qt::Key_Down);
        EXPECT_EQ(Cell(1, 1), c.stored) << c.cell;
        Key(Qt::Key_Up);
    }
}

TEST_F(ColumnEditTest, TheEditorAndTheGridTakeTheColumnsInputMethodMode) {
    Column(1).SetImeMode(imDisable);
    Column(2).SetImeMode(imHira);
    grid->SetColCount(5); // column 4 is new: its input method is off
    struct Case {
        int col;
        bool accepted;
    };
    for (const Case c : {Case{1, false}, Case{2, true}, Case{4, false}}) {
        grid->HideEditor();
        grid->SetCol(c.col);
        EXPECT_EQ(InputMethodAccepted(grid.get()), c.accepted) << c.col;
        Key(Qt::Key_F2);
        ASSERT_TRUE(Editor()->hasFocus());
        EXPECT_EQ(InputMethodAccepted(Editor()), c.accepted) << c.col;
    }
}

} // namespace
} // namespace zel::test
