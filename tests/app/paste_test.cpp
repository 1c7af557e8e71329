#include "tests/app/app_test_fixture.h"

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
        QGuiApplication::clipboard()->setText(QString::fromStdString(utf8));
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

TEST_F(PasteTest, LinesBecomeRowsAndTheFirstLineDecidesTheColumns) {
    const struct {
        const char* clipboard;
        int columns;
        const char* rows;
    } cases[] = {
        {"1001\t山田　太郎\t本校\r\n1002\t髙橋　﨑子\t駅前校\r\n", 3,
         "1001|山田　太郎|本校 / 1002|髙橋　﨑子|駅前校"},
        // A half-width space splits the name and pushes the venue out; a
        // comma splits a cell; two tabs give a one-blank cell, a trailing
        // tab an empty one; a quoted cell keeps its tab, by then a comma.
        {"0\tSuzuki\tHall\n1\tYamada Taro\tHall\n2\tA,B\tHall\n3\t\tHall\n4\tSato\t\n"
         "5\t\"Ito\tJiro\"\tHall\n",
         3, "0|Suzuki|Hall / 1|Yamada|Taro / 2|A|B / 3| |Hall / 4|Sato| / 5|Ito,Jiro|Hall"},
        // Line breaks of every kind.
        {"1\ta\rb\n2\tc\r\n\r\n3\td\n\r4\te", 2, "1|a / b| / 2|c / | / 3|d / | / 4|e"},
        // A quoted cell is cut at its line break: the first half has lost
        // its closing quote, and with it its last character.
        {"1\t\"first\nsecond\"\tHall\n", 2, "1|firs / second\"|Hall"},
        {"1\tA\n2\tB\tVenue\tExtra\n", 2, "1|A / 2|B"},
        {"1\tA\tV\tW\tX\n2\tB\n", 5, "1|A|V|W|X / 2|B|||"},
        {"\r\n1\tA\n", 1, " / 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clipboard);
        Paste(c.clipboard);
        EXPECT_EQ(grid.ColCount(), c.columns);
        EXPECT_EQ(Examinees(), c.rows);
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(PasteTest, AShorterPasteLeavesTheEarlierRowsOutOfTheGrid) {
    std::string ten;
    for (int i = 1; i <= 10; ++i)
        ten += std::to_string(i) + "\tName" + std::to_string(i) + "\tHall\n";
    Paste(ten);
    EXPECT_EQ(grid.RowCount(), 11);
    Paste("a\tb\tc\nd\te\tf\ng\th\ti\n");
    EXPECT_EQ(Examinees(), "a|b|c / d|e|f / g|h|i");
}

TEST_F(PasteTest, AnEmptyClipboardChangesNothingAndSaysSo) {
    Paste("1\tA\tHall\n");
    QGuiApplication::clipboard()->clear();
    form.PasteButton->click();
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(Examinees(), "1|A|Hall");
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].text), "クリップボードに貼り付けるテキストがありません。");
    EXPECT_EQ(box.shown[0].type, TMsgDlgType::mtInformation);
}

TEST_F(PasteTest, CharactersCodePage932CannotHoldAreToldOnceWithTheirRows) {
    std::string twelve, twelveDetail;
    for (int i = 1; i <= 12; ++i) {
        twelve += std::to_string(i) + "\t😀\n";
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
        {"1\t김\n\n3\t😀😀\n", "1 行目: 김 (U+AE40)\n3 行目: 😀 (U+1F600)\n3 行目: 😀 (U+1F600)",
         "1|? / | / 3|??", nullptr},
        {twelve.c_str(), twelveDetail.c_str(),
         "1|? / 2|? / 3|? / 4|? / 5|? / 6|? / 7|? / 8|? / 9|? / 10|? / 11|? / 12|?", nullptr},
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

} // namespace
} // namespace zel::app
