// Cells, objects, and the row and column views of the string grid.

#include "framework/messages.h"
#include "tests/grid/grid_fixture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zel::test {
namespace {

using StringGridTest = GridFixture;

std::vector<std::string> RowTexts(TStringGrid& g, int row, int cols) {
    std::vector<std::string> out;
    for (int c = 0; c < cols; ++c)
        out.push_back(g.Cells(c, row));
    return out;
}

TEST_F(StringGridTest, AbsentCellsReadEmptyAndANegativeIndexIsTheListIndexError) {
    EXPECT_EQ(std::pair(grid->Cells(0, 1'000'000), grid->Objects(10, 10)),
              (std::pair<std::string, void*>("", nullptr)));
    int token = 0;
    grid->SetObjects(3, 2, &token);
    grid->SetCells(3, 2, "t");
    EXPECT_EQ(grid->Objects(3, 2), &token) << "text and object are kept apart";
    grid->Cols(3).Clear();
    EXPECT_EQ(std::pair(grid->Cells(3, 2), grid->Objects(3, 2)),
              (std::pair<std::string, void*>("", nullptr)));

    const std::string index = "リストのインデックスが範囲を超えています ";
    EXPECT_EQ(ErrorOf([&] { grid->Cells(0, -1); }), index + "(-1)");
    EXPECT_EQ(ErrorOf([&] { grid->SetCells(-3, 0, "x"); }), index + "(-3)");
    EXPECT_EQ(ErrorOf([&] { grid->Rows(-2); }), index + "(-2)");
    EXPECT_EQ(ErrorOf([&] { grid->SetCells(50, 50, "far outside the counts"); }), "");
}

TEST_F(StringGridTest, CellsSurviveCountChangesAndCommaTextDropsWhatDoesNotFit) {
    grid->SetColCount(4);
    for (int r = 0; r < 5; ++r)
        grid->SetCells(3, r, "c3r" + std::to_string(r));
    grid->SetColCount(3);
    grid->SetRowCount(2);
    // View counts follow the grid, not the cells; one view per index.
    grid->SetCells(9, 1, "x");
    EXPECT_EQ(std::pair(grid->Rows(1).Count(), grid->Cols(0).Count()), std::pair(3, 2));
    EXPECT_EQ(&grid->Rows(1), &grid->Rows(1));
    grid->SetColCount(4);
    grid->SetRowCount(5);
    EXPECT_EQ(grid->Cells(3, 4), "c3r4");
    EXPECT_EQ(grid->Cols(3).CommaText(), "c3r0,c3r1,c3r2,c3r3,c3r4");
    // Comma text fills a row and drops what does not fit.
    grid->SetColCount(3);
    grid->SetCells(2, 1, "stale");
    grid->SetCells(7, 1, "beyond the columns");
    grid->Rows(1).SetCommaText("a,,c,d");
    EXPECT_EQ(RowTexts(*grid, 1, 3), (std::vector<std::string>{"a", " ", "c"}));
    EXPECT_EQ(grid->Cells(7, 1), "") << "clearing the row reaches every cell it holds";
    grid->Rows(2).SetCommaText("\"x y\", z");
    EXPECT_EQ(RowTexts(*grid, 2, 3), (std::vector<std::string>{"x y", "z", ""}));
}

TEST_F(StringGridTest, ThePasteKeyLaysABlockFromTheCurrentCellAndGrowsTheGrid) {
    const struct {
        const char* clipboard;
        int cols, rows;
        const char* cells; // rows 1.. from column 1 on, "|" between cells
    } cases[] = {
        {"a\tb\nc\t\td\n", 4, 3, "a|b| / c| |d"},
        // A spreadsheet's block: cells split at tabs only.
        {"x y,z\r\n1\r2\n3\n", 3, 5, "x y,z| / 1| / 2| / 3|"},
        // One cell, which comes without a final line end: the whole text
        // goes into the current cell, line breaks and all.
        {"山田 太郎", 3, 3, "山田 太郎| / |"},
        {"伊藤\n健太", 3, 3, "伊藤 健太| / |"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clipboard);
        grid = std::make_unique<TTestGrid>();
        grid->SetColCount(3);
        grid->SetRowCount(3);
        grid->SetOptions({goEditing});
        grid->SetCol(1);
        grid->SetRow(1);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
        QTest::keyClick(grid.get(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_FALSE(EditorShown());
        EXPECT_EQ(std::pair(grid->ColCount(), grid->RowCount()), std::pair(c.cols, c.rows));
        std::string cells;
        for (int r = 1; r < grid->RowCount(); ++r)
            for (int col = 1; col < grid->ColCount(); ++col)
                cells += (col > 1 ? "|" : r > 1 ? " / " : "") + Cell(col, r);
        EXPECT_EQ(cells, c.cells);
    }
    // A short block in a taller grid leaves the rows below it.
    grid->SetRowCount(10);
    grid->SetCells(1, 9, "last");
    grid->SetRow(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("p\tq\nr\ts\n"));
    QTest::keyClick(grid.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(std::pair(Cell(1, 2), Cell(1, 9)), std::pair(std::string("r"), std::string("last")));
}

TEST_F(StringGridTest, TypedCharactersCodePage932CannotHoldAreToldOnceEach) {
    Show();
    grid->SetOptions({goEditing});
    std::vector<std::string> told;
    bool answer = false;
    grid->OnUnheldText = [&](const cp932::TCheckedText& text, int col, int row) {
        std::string line = std::to_string(col) + "," + std::to_string(row);
        for (const cp932::TUnheldChar& unheld : text.Unheld)
            line += " " + unheld.Utf8;
        told.push_back(line);
        return answer;
    };
    grid->ShowEditor();
    ASSERT_TRUE(EditorShown());
    const auto type = [&](const char* utf8) {
        Editor()->insert(QString::fromUtf8(utf8));
        QApplication::processEvents();
    };
    type("𠮷");
    type("田"); // nothing new to tell
    EXPECT_EQ(Cell(1, 1), "?田");
    answer = true;
    type("𡈽");
    EXPECT_EQ(told, (std::vector<std::string>{"1,1 𠮷", "1,1 𠮷 𡈽"}));
    EXPECT_EQ(EditorText(), "吉田土");
    EXPECT_EQ(Cell(1, 1), "吉田土");
}

TEST_F(StringGridTest, AViewTakesAListAsFarAsItReachesAndRefusesInsertAndDelete) {
    grid->SetColCount(2);
    TStringList lines;
    int first = 1;
    lines.AddObject("one", &first);
    lines.Add("two");
    lines.Add("three");
    grid->Rows(1).Assign(lines);
    EXPECT_EQ(RowTexts(*grid, 1, 3), (std::vector<std::string>{"one", "two", ""}));
    EXPECT_EQ(grid->Objects(0, 1), &first);
    grid->SetRowCount(3);
    grid->SetCols(1, lines);
    EXPECT_EQ(grid->Cols(1).Text(), "one\r\ntwo\r\nthree\r\n");

    // Add fills the first empty item; an empty text is stored as a blank.
    grid->SetColCount(3);
    TStrings& row = grid->Rows(2);
    grid->SetCells(0, 2, "taken");
    grid->SetCells(1, 2, "");
    grid->SetCells(2, 2, "");
    EXPECT_EQ(row.Add("b"), 1);
    EXPECT_EQ(row.Add(""), 2);
    EXPECT_EQ(row.Add("no room"), -1);
    EXPECT_EQ(ErrorOf([&] { row.Insert(0, "x"); }), msg::kCannotInsertDeleteGridRow);
    EXPECT_EQ(ErrorOf([&] { row.Delete(0); }), msg::kCannotInsertDeleteGridRow);
    EXPECT_EQ(row.CommaText(), "taken,b,\" \"");
}

TEST_F(StringGridTest, MovingAColumnOrRowMovesItsCellsAndExtents) {
    grid->Rows(1).SetCommaText("a,b,c,d,e");
    grid->Rows(2).SetCommaText("f,g,h,i,j");
    grid->SetColWidths(1, 11);
    grid->SetColWidths(3, 33);
    grid->SetTabStops(1, false);
    grid->MoveColumn(1, 3);
    EXPECT_EQ(grid->Rows(1).CommaText(), "a,c,d,b,e");
    EXPECT_EQ((std::vector{grid->ColWidths(1), grid->ColWidths(2), grid->ColWidths(3)}),
              (std::vector{64, 33, 11}));
    EXPECT_EQ(std::pair(grid->TabStops(1), grid->TabStops(3)), std::pair(true, false));
    grid->SetRowHeights(2, 44);
    grid->MoveRow(2, 0);
    EXPECT_EQ(grid->Rows(0).CommaText(), "f,h,i,g,j");
    EXPECT_EQ(grid->Rows(2).CommaText(), "a,c,d,b,e");
    EXPECT_EQ(std::pair(grid->RowHeights(0), grid->RowHeights(1)), std::pair(44, 24));
    EXPECT_EQ(ErrorOf([&] { grid->MoveColumn(0, 5); }), msg::kGridIndexOutOfRange);
    std::vector<std::pair<int, int>> moved;
    grid->OnColumnMoved = [&](QObject*, int from, int to) { moved.emplace_back(from, to); };
    grid->MoveColumn(4, 0);
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{4, 0}}));
    EXPECT_EQ(grid->Cells(0, 0), "j");
}

TEST_F(StringGridTest, AnUpdateBracketPaintsOnceAtTheEnd) {
    Show(300, 200);
    int painted = 0;
    grid->OnDrawCell = [&](QObject*, int, int, const QRect&, TGridDrawState) { ++painted; };
    QApplication::processEvents();
    painted = 0;
    grid->Rows(1).BeginUpdate();
    grid->Rows(1).SetCommaText("p,q,r");
    grid->viewport()->repaint(grid->CellRect(1, 1));
    const int whileUpdating = painted;
    grid->Rows(1).EndUpdate();
    QApplication::processEvents();
    EXPECT_EQ(whileUpdating, 1) << "only the forced cell was painted";
    EXPECT_GE(painted, 25) << "the whole grid is painted at the end";
}

TEST_F(StringGridTest, SetEditTextStoresOnlyChangesAndAlwaysFiresTheEvent) {
    std::vector<std::string> events;
    grid->OnSetEditText = [&](QObject*, int c, int r, const std::string& v) {
        events.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + v);
    };
    grid->OnGetEditText = [](QObject*, int, int, std::string& v) { v += "!"; };
    Show(300, 200);
    grid->SetOptions(grid->Options() + goEditing);
    grid->SetCells(1, 1, "x");
    QTest::keyClick(grid.get(), Qt::Key_F2);
    EXPECT_EQ(EditorText(), "x!");
    grid->HideEditor();
    EXPECT_EQ(Cell(1, 1), "x!");
    EXPECT_EQ(events, (std::vector<std::string>{"1,1=x!"}));
}

TEST_F(StringGridTest, TheStoreTakesItsLeafSizeFromTheCountsWhenEachListIsMade) {
    constexpr int kPast = 1'048'560; // one past what small leaves hold
    const std::string full = "スパースリストの容量を超えています (1048560)";
    const auto store = [&](int col, int row) {
        return ErrorOf([&] { grid->SetCells(col, row, "x"); });
    };
    // The row lists were made with the grid's first five rows: small leaves,
    // whatever the row count is now.
    grid->SetRowCount(2'000'000);
    EXPECT_EQ(store(1, kPast - 1), "");
    EXPECT_EQ(grid->Cells(1, kPast - 1), "x");
    EXPECT_EQ(store(1, kPast), full);
    EXPECT_EQ(ErrorOf([&] { grid->Rows(kPast); }), full);

    // A data row takes the column count of the moment it is made.
    EXPECT_EQ(store(kPast - 1, 2), "");
    EXPECT_EQ(store(kPast, 2), full);
    grid->SetColCount(513);
    EXPECT_EQ(store(kPast, 2), full) << "an existing row keeps its leaves";
    EXPECT_EQ(store(kPast, 3), "");
    EXPECT_EQ(grid->Cells(kPast, 3), "x");
    EXPECT_EQ(ErrorOf([&] { grid->Cols(kPast); }), full) << "the column views were made small";
    grid->SetColCount(512);
    EXPECT_EQ(store(kPast, 4), full) << "512 columns still make small rows";
}

} // namespace
} // namespace zel::test
