// Column definitions stored as text: the bytes written, the rules applied
// when they are read back, and text that is refused.

#include "grid/columns/grid_columns_text.h"
#include "tests/grid/grid_fixture.h"

namespace zel::test {
namespace {

const std::string kHeader = "zelmark grid columns 1\r\n";

TEST(GridColumnsText, DefaultsAreLeftOutAndTextsEscaped) {
    TMOGridColumns columns(nullptr);
    TMOGridColumn& c = columns.Add();
    c.SetCaption(cp932::FromUtf8("氏\"名%\r\n表"));
    c.SetFixCellFont({.Name = cp932::FromUtf8("ＭＳ ゴシック"),
                      .Height = -16,
                      .Charset = platform::kShiftJisCharset,
                      .Color = static_cast<TColor>(0x123456),
                      .Style = platform::fsBold | platform::fsStrikeOut});
    c.SetButtonStyle(cbsSpin);
    TStringList items;
    items.Add("a,b");
    items.Add("");
    c.SetListStrings(items);
    TMOMonthCalColors colours;
    colours.SetDayTextColor(clBlack);
    c.SetCalColors(colours);

    const std::string saved = SaveGridColumns(columns);
    const std::string expected = "[Column]\r\n"
                                 "Alignment=taLeftJustify\r\n"
                                 "CanEdit=True\r\n"
                                 "Caption=\"" +
                                 cp932::FromUtf8("氏%22名%25%0D%0A表") +
                                 "\"\r\n"
                                 "Color=clWindow\r\n"
                                 "DataType=dtInteger\r\n"
                                 "Font.Color=clWindowText\r\n"
                                 "Font.Height=-12\r\n"
                                 "Font.Name=\"\"\r\n"
                                 "FixCellFont.Charset=128\r\n"
                                 "FixCellFont.Color=$00123456\r\n"
                                 "FixCellFont.Height=-16\r\n"
                                 "FixCellFont.Name=\"" +
                                 cp932::FromUtf8("ＭＳ ゴシック") +
                                 "\"\r\n"
                                 "FixCellFont.Style=fsBold,fsStrikeOut\r\n"
                                 "ImeMode=imDisable\r\n"
                                 "ButtonStyle=cbsSpin\r\n"
                                 "ListStrings=\"a,b\",\"\"\r\n"
                                 "CalColors.DayTextColor=clBlack\r\n";
    EXPECT_EQ(saved, kHeader + expected);

    TMOGridColumns loaded(nullptr);
    LoadGridColumns(loaded, saved);
    EXPECT_EQ(SaveGridColumns(loaded), saved);

    // Every byte a caption can hold comes back as it went.
    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte += static_cast<char>(b);
    c.SetCaption(everyByte);
    TMOGridColumns again(nullptr);
    LoadGridColumns(again, SaveGridColumns(columns));
    EXPECT_EQ(again.Items(0).Caption(), everyByte);
}

class CountingGrid : public TMOStringGrid {
public:
    int sizeChanges = 0;

protected:
    void SizeChanged(int oldColCount, int oldRowCount) override {
        ++sizeChanges;
        TMOStringGrid::SizeChanged(oldColCount, oldRowCount);
    }
};

TEST(GridColumnsText, LoadingSetsTheColumnCountOnceAndTheButtonStyleWins) {
    CountingGrid grid;
    grid.SetColCount(3);
    grid.sizeChanges = 0;
    LoadGridColumns(grid.GridColumns(), kHeader + "[Column]\r\nDataType=dtInteger\r\n"
                                                  "ButtonStyle=cbsList\r\n"
                                                  "[Column]\r\nDataType=dtInteger\r\n");
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.sizeChanges, 1);
    EXPECT_EQ(grid.GridColumns().Items(0).DataType(), dtString);
    EXPECT_EQ(grid.GridColumns().Items(1).DataType(), dtInteger);
}

TEST(GridColumnsText, BadTextIsRefusedWithItsLineAndChangesNothing) {
    struct Case {
        std::string text;
        int line;
    };
    const std::string column = kHeader + "[Column]\r\n";
    const Case cases[] = {
        {"", 1},
        {"zelmark grid columns 2\r\n", 1},
        {kHeader + "Caption=\"a\"\r\n", 2},
        {column + "Colour=clRed\r\n", 3},
        {column + "CanEdit\r\n", 3},
        {column + "Caption=\"a\"\r\nAlignment=taCenter\r\n", 4},
        {column + "Alignment=taMiddle\r\n", 3},
        {column + "Font.Height=-2147483648\r\n", 3},
        {column + "Caption=\"abc\r\n", 3},
        {column + "Caption=\"%4\"\r\n", 3},
        {column + "Caption=\"a\tb\"\r\n", 3},
        {column + "Color=$12345678\r\n", 3},
    };
    TMOGridColumns columns(nullptr);
    columns.Add().SetCaption("kept");
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf([&] { LoadGridColumns(columns, c.text); }),
                  "列定義の " + std::to_string(c.line) + " 行目が正しくありません")
            << c.text;
    }
    ASSERT_EQ(columns.Count(), 1);
    EXPECT_EQ(columns.Items(0).Caption(), "kept");
}

} // namespace
} // namespace zel::test
