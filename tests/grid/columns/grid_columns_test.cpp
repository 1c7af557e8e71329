// Column definitions: following the column count, the setters that do
// more than store, and assignment.

#include "tests/grid/grid_fixture.h"

namespace zel::test {
namespace {

using ColumnsTest = ColumnGridFixture;

TEST_F(ColumnsTest, DefinitionsAndColumnCountFollowEachOther) {
    ASSERT_EQ(grid->GridColumns().Count(), 6);
    grid->SetColor(clSilver);
    grid->SetColCount(3);
    Column(2).SetCaption("venue");
    Column(2).SetImeMode(imHira);
    grid->SetColCount(2);
    EXPECT_EQ(grid->GridColumns().Count(), 2);

    // Growing again gives fresh definitions, not the ones that went.
    grid->SetColCount(4);
    ASSERT_EQ(grid->GridColumns().Count(), 4);
    for (int i : {2, 3}) {
        EXPECT_EQ(Column(i).Caption(), "") << i;
        EXPECT_EQ(Column(i).ImeMode(), imDisable) << i;
        EXPECT_EQ(Column(i).Color(), clSilver) << "the grid's colour when made";
        EXPECT_EQ(Column(i).Font(), GridFontOf(grid->font())) << i;
    }

    grid->GridColumns().Delete(0);
    EXPECT_EQ(grid->ColCount(), 3);
    grid->GridColumns().Clear();
    EXPECT_EQ(grid->ColCount(), 1) << "a grid keeps one column";
    EXPECT_EQ(ErrorOf([&] { grid->GridColumns().Items(1); }),
              "リストのインデックスが範囲を超えています (1)");
}

// A grid whose create-columns step makes a collection of its own, which
// then holds the six definitions the grid starts with.
class TOwnColumns : public TMOGridColumns {
public:
    using TMOGridColumns::TMOGridColumns;
};

class TOwnColumnsGrid : public TMOStringGrid {
public:
    explicit TOwnColumnsGrid(int& steps)
        : TMOStringGrid(nullptr, [&steps](TMOStringGrid& grid) {
              ++steps;
              return std::make_unique<TOwnColumns>(&grid);
          }) {}
};

TEST(CreateColumnsTest, ADerivedGridMakesItsOwnCollection) {
    int steps = 0;
    TOwnColumnsGrid grid(steps);
    EXPECT_EQ(steps, 1);
    EXPECT_NE(dynamic_cast<TOwnColumns*>(&grid.GridColumns()), nullptr);
    EXPECT_EQ(grid.GridColumns().Count(), 6);
    EXPECT_EQ(grid.GridColumns().Grid(), &grid);
}

TEST_F(ColumnsTest, CaptionAndButtonStyleSetters) {
    TMOGridColumn& c = Column(0);
    c.SetCaption("");
    EXPECT_EQ(c.Caption(), "") << "never set: stays empty";
    c.SetCaption("No.");
    c.SetCaption("");
    EXPECT_EQ(c.Caption(), " ");

    struct Case {
        TInputDataType before;
        TMOColumnButtonStyle style;
        TInputDataType after;
    };
    // The last case sets the style it already has: DataType is left alone.
    const Case cases[] = {{dtString, cbsSpin, dtInteger},
                          {dtInteger, cbsCheckBox, dtString},
                          {dtString, cbsSpin, dtInteger},
                          {dtString, cbsSpin, dtString}};
    for (const Case& k : cases) {
        c.SetDataType(k.before);
        c.SetButtonStyle(k.style);
        EXPECT_EQ(c.DataType(), k.after) << static_cast<int>(k.style);
    }
}

TEST_F(ColumnsTest, AssignCopiesTheLookAndTheValueKindOnly) {
    TMOGridColumns others(nullptr);
    TMOGridColumn& source = others.Add();
    source.SetCaption("Name");
    source.SetImeMode(imHira);
    source.SetFixAlignment(taLeftJustify);
    source.SetAlignmentV(tavBottom);
    source.SetButtonStyle(cbsSpin); // an integer column
    TStringList items;
    items.Add("a");
    source.SetListStrings(items);

    TMOGridColumn& target = Column(1);
    target.Assign(source);
    EXPECT_EQ(target.Caption(), "Name");
    EXPECT_EQ(std::pair(target.ImeMode(), target.DataType()), std::pair(imHira, dtInteger));
    EXPECT_EQ(target.FixAlignment(), taCenter) << "back to centred";
    EXPECT_EQ(target.AlignmentV(), tavCenter) << "kept";
    EXPECT_EQ(target.ButtonStyle(), cbsSimple) << "kept";
    EXPECT_EQ(target.ListStrings().Count(), 0) << "kept";

    // A grid given another collection takes its count; given its own, it keeps what it has.
    grid->SetGridColumns(others);
    EXPECT_EQ(grid->ColCount(), 1);
    grid->SetGridColumns(grid->GridColumns());
    ASSERT_EQ(grid->GridColumns().Count(), 1);
    EXPECT_EQ(Column(0).Caption(), "Name");
}

} // namespace
} // namespace zel::test
