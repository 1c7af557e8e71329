#include "tests/app/app_test_fixture.h"
#include "tests/app/spreadsheet_fixtures.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace zel::app {
namespace {

// Pastes through the real button and the real clipboard, and reads the
// grid back as UTF-8: cells joined by "|", examinee rows by " / ".
class PasteTest : public test::TMainFormTest {
protected:
    void Paste(const std::string& utf8) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8));
        form.PasteButton->click();
    }
    std::string Examinees() const {
        std::string rows;
        for (int r = 1; r < grid.RowCount(); ++r)
            for (int c = 0; c < grid.ColCount(); ++c)
                rows += (c ? "|" : r > 1 ? " / " : "") + cp932::ToUtf8(grid.Cells(c, r));
        return rows;
    }
};

TEST_F(PasteTest, ABlockSplitsAtTabsOnlyAndEveryRowNotTakenWholeIsNamed) {
    const struct {
        const char* clipboard;
        const char* rows;
        const char* detail; // "" when the paste says nothing
    } cases[] = {
        {"1001\t山田　太郎\t本校\r\n1002\t髙橋　﨑子\t駅前校\r\n",
         "1001|山田　太郎|本校 / 1002|髙橋　﨑子|駅前校", ""},
        // Spaces and commas stay in their cell; two tabs give a one-blank
        // cell; a cell quoted up to a tab keeps its tab; blanks around a
        // cell go.
        {"0\tSuzuki\tHall\n1\tYamada Taro\tHall\n2\tA,B\tHall\n3\t\tHall\n"
         "5\t\"Ito\tJiro\"\tHall\n 6 \t Kato \tHall\n",
         "0|Suzuki|Hall / 1|Yamada Taro|Hall / 2|A,B|Hall / 3| |Hall / 5|Ito\tJiro|Hall / "
         "6|Kato|Hall",
         ""},
        // A quoted cell runs across its line break, which becomes a space;
        // a quote not closed before a tab or the line's end is text.
        {"1\t\"first\nsecond\"\tHall\n2\t\"Naka\"jima\tHall\n3\t\"a\"\"b\"\tHall\n"
         "4\t\"c\r\nd\"\tHall\n",
         "1|first second|Hall / 2|\"Naka\"jima|Hall / 3|a\"b|Hall / 4|c d|Hall", ""},
        // Never a fourth column: what is cut and what is missing is named.
        {"1\tA\n2\tB\tVenue\tExtra\tMore\n3\tC\tV\t\t\n", "1|A| / 2|B|Venue / 3|C|V",
         "1 行目: セルが 2 個しかありません (受験番号・氏名・受験会場の 3 個が必要です)\n"
         "2 行目: 4 列目からのセルを取り込んでいません: Extra / More"},
        // Line ends of every kind; empty rows at the end are no examinees.
        {"1\ta\tx\r2\tc\tx\r\n\t\t\r\n3\td\tx\n\t\t\n\n\t\t\n", "1|a|x / 2|c|x /  | |  / 3|d|x",
         ""},
        // A first row without an exam number, or with a full-width one, is
        // no header.
        {"\tSuzuki\tHall\n1\tA\tX\n", " |Suzuki|Hall / 1|A|X", ""},
        {"０\tA\tX\n", "０|A|X", ""},
        // Without a tab, comma text as ever: a space or a comma splits.
        {"1,Yamada Taro,Hall\n", "1|Yamada|Taro",
         "1 行目: 4 列目からのセルを取り込んでいません: Hall"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clipboard);
        box.shown.clear();
        Paste(c.clipboard);
        EXPECT_EQ(grid.ColCount(), 3);
        EXPECT_EQ(Examinees(), c.rows);
        if (*c.detail == '\0') {
            EXPECT_TRUE(box.shown.empty());
            continue;
        }
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].type, TMsgDlgType::mtWarning);
        EXPECT_EQ(box.shown[0].detailUtf8, c.detail);
    }
}

// The sheets' own bytes: every examinee reaches the grid whole, the
// header row is offered for removal, and the empty rows at the end go.
TEST_F(PasteTest, RealSpreadsheetCopiesArriveWhole) {
    for (const char* fixture : {"calc_block.txt", "excel_block.txt"}) {
        SCOPED_TRACE(fixture);
        box.shown.clear();
        box.answer = true;
        Paste(test::FixtureBytes(fixture));
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].buttons, TMsgDlgButtons::mbYesNo);
        EXPECT_EQ(cp932::ToUtf8(box.shown[0].text),
                  "1 行目は見出しのようです: 受験番号 / 氏名 / 受験会場\n1 行目を取り除きますか？");
        EXPECT_EQ(box.shown[0].detailUtf8, "");
        const auto& expected = test::SheetExaminees();
        const std::size_t rows = std::string(fixture) == "calc_block.txt" ? expected.size() : 8;
        ASSERT_EQ(grid.RowCount(), static_cast<int>(rows) + 1);
        for (std::size_t i = 0; i < rows; ++i)
            for (int col = 0; col < 3; ++col)
                EXPECT_EQ(cp932::ToUtf8(grid.Cells(col, static_cast<int>(i) + 1)), expected[i][col])
                    << i << "," << col;
    }
    // Captions read as a header whatever their spaces.
    box.shown.clear();
    Paste("No.1\t氏　名\t会場\n1\tA\tX\n");
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(Examinees(), "1|A|X");
    // "No" keeps the header row where it is.
    box.answer = false;
    Paste(test::FixtureBytes("calc_block.txt"));
    EXPECT_EQ(cp932::ToUtf8(grid.Cells(0, 1)), "受験番号");
    EXPECT_EQ(grid.RowCount(), static_cast<int>(test::SheetExaminees().size()) + 2);
}

TEST_F(PasteTest, AnEmptyClipboardChangesNothingAndSaysSo) {
    Paste("1\tA\tHall\n");
    for (const bool cleared : {true, false}) {
        box.shown.clear();
        if (cleared)
            QGuiApplication::clipboard()->clear();
        else // empty rows of a sheet
            QGuiApplication::clipboard()->setText(QStringLiteral("\t\t\n\n"));
        form.PasteButton->click();
        EXPECT_EQ(grid.FixedRows(), 1);
        EXPECT_EQ(Examinees(), "1|A|Hall");
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(cp932::ToUtf8(box.shown[0].text),
                  "クリップボードに貼り付けるテキストがありません。");
        EXPECT_EQ(box.shown[0].type, TMsgDlgType::mtInformation);
    }
}

TEST_F(PasteTest, CharactersCodePage932CannotHoldAreToldOnceWithTheirRows) {
    std::string twelve, twelveDetail;
    for (int i = 1; i <= 12; ++i) {
        twelve += std::to_string(i) + "\t😀\tH\n";
        if (i <= 10)
            twelveDetail += std::to_string(i) + " 行目: 😀 (U+1F600)\n";
    }
    twelveDetail += "ほか 2 件";
    // With nothing to offer the operator is told and the rows keep their "?";
    // otherwise yes puts the substitutes in.
    const struct {
        const char *clipboard, *detail, *kept, *substituted;
    } cases[] = {
        {"1\t山𠮷\tHall\n2\tA😀\tHall\n3\t俱\tX\n",
         "1 行目: 𠮷 (U+20BB7) → 吉\n2 行目: 😀 (U+1F600)\n3 行目: 俱 (U+4FF1) → 倶",
         "1|山?|Hall / 2|A?|Hall / 3|?|X", "1|山吉|Hall / 2|A?|Hall / 3|倶|X"},
        {"1\t김\tX\n\n3\t😀😀\tX\n", "1 行目: 김 (U+AE40)\n3 行目: 😀 (U+1F600)\n3 行目: 😀 (U+1F600)",
         "1|?|X /  || / 3|??|X", nullptr},
        {twelve.c_str(), twelveDetail.c_str(),
         "1|?|H / 2|?|H / 3|?|H / 4|?|H / 5|?|H / 6|?|H / 7|?|H / 8|?|H / 9|?|H / 10|?|H / "
         "11|?|H / 12|?|H",
         nullptr},
    };
    for (const auto& c : cases)
        for (const bool yes : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.clipboard << (yes ? "yes" : "no"));
            box.shown.clear();
            box.answer = yes;
            Paste(c.clipboard);
            ASSERT_EQ(box.shown.size(), 1u);
            EXPECT_EQ(box.shown[0].buttons,
                      c.substituted ? TMsgDlgButtons::mbYesNo : TMsgDlgButtons::mbOK);
            EXPECT_EQ(box.shown[0].detailUtf8, c.detail);
            EXPECT_EQ(Examinees(), yes && c.substituted ? c.substituted : c.kept);
        }
}

TEST_F(PasteTest, ThePasteKeyOnTheGridTellsOfLostCharactersFromTheRowItStartsOn) {
    Paste("1\tA\tX\n2\tB\tX\n");
    grid.SetCol(1);
    grid.SetRow(2);
    box.answer = true;
    QGuiApplication::clipboard()->setText(QString::fromUtf8("𠮷田\t駅前\n😀\n"));
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].detailUtf8, "2 行目: 𠮷 (U+20BB7) → 吉\n3 行目: 😀 (U+1F600)");
    EXPECT_EQ(Examinees(), "1|A|X / 2|吉田|駅前 / |?|");
}

// Ctrl+V on the grid with the sheets' own bytes: a block lands cell for
// cell from the current cell on, one Calc cell stays one cell.
TEST_F(PasteTest, ThePasteKeyTakesRealSpreadsheetCopiesWhole) {
    Paste("1\tA\tX\n2\tB\tX\n3\tC\tX\n");
    grid.SetCol(1);
    grid.SetRow(2);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(test::FixtureBytes("calc_cell.txt")));
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Examinees(), "1|A|X / 2|伊藤 健太|X / 3|C|X");

    grid.SetCol(0);
    grid.SetRow(1);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(test::FixtureBytes("calc_block.txt")));
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
    const auto& expected = test::SheetExaminees();
    EXPECT_EQ(grid.ColCount(), 3);
    ASSERT_GE(grid.RowCount(), static_cast<int>(expected.size()) + 2);
    for (std::size_t i = 0; i < expected.size(); ++i)
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(cp932::ToUtf8(grid.Cells(col, static_cast<int>(i) + 2)), expected[i][col])
                << i << "," << col;
}

} // namespace
} // namespace zel::app
