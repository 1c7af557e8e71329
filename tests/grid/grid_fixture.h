#pragma once
// A string grid in a window of its own, shown and holding the focus, with
// its hooks opened up and recorded for the tests.

#include "grid/grid_errors.h"
#include "grid/inplace_edit.h"
#include "grid/string_grid.h"
#include "platform/cp932.h"
#include "platform/qt/font_faces.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace zel::test {

class TTestGrid : public TStringGrid {
public:
    using TCustomGrid::InplaceCell;
    using TCustomGrid::MoveCurrent;

    std::vector<std::pair<int, int>> sizeChanges;
    std::vector<std::string> calls;
    bool failNextSizeChange = false;
    int refuseSelectCol = -1;

protected:
    void SizeChanged(int oldColCount, int oldRowCount) override {
        sizeChanges.emplace_back(oldColCount, oldRowCount);
        if (failNextSizeChange) {
            failNextSizeChange = false;
            throw Exception("size hook failed");
        }
    }
    bool SelectCell(int col, int row) override {
        return col != refuseSelectCol && TStringGrid::SelectCell(col, row);
    }
    void SetEditText(int col, int row, const std::string& value) override {
        calls.push_back("SetEditText " + std::to_string(col) + "," + std::to_string(row) + " " +
                        value);
        TStringGrid::SetEditText(col, row, value);
    }
    void TopLeftChanged() override {
        calls.push_back("TopLeftChanged");
        TStringGrid::TopLeftChanged();
    }
};

// The message of a grid operation's exception, in UTF-8; "" when none.
template <typename Fn> std::string ErrorOf(Fn&& fn) {
    try {
        fn();
    } catch (const Exception& e) {
        return cp932::ToUtf8(e.Message());
    }
    return {};
}

class GridFixture : public testing::Test {
protected:
    std::unique_ptr<TTestGrid> grid;
    std::vector<std::string> escaped;

    void SetUp() override {
        SetGridExceptionHandler([this] {
            try {
                throw;
            } catch (const std::exception& e) {
                escaped.push_back(e.what());
            }
        });
        grid = std::make_unique<TTestGrid>();
        grid->setFont(platform::MakeFont(cp932::Sys("ＭＳ Ｐゴシック"), -12));
    }
    void TearDown() override {
        grid.reset();
        SetGridExceptionHandler({});
    }

    // Shows the grid with a viewport of exactly w x h pixels and the focus.
    void Show(int w = 400, int h = 300) {
        grid->SetBorderStyle(bsNone);
        grid->resize(w, h);
        grid->show();
        grid->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(grid.get()));
        grid->setFocus();
        // Scroll bars take their room from the viewport; give it back.
        for (int round = 0; round < 3; ++round) {
            const QSize missing = QSize(w, h) - grid->viewport()->size();
            if (missing.isNull())
                break;
            grid->resize(grid->size() + missing);
            QApplication::processEvents();
        }
        ASSERT_EQ(grid->viewport()->size(), QSize(w, h));
    }

    // Shows a grid of a test's own class as its own window with the focus.
    static void ShowFocused(TTestGrid& other) {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        other.setFocus();
    }

    TGridCoord Current() const { return {grid->Col(), grid->Row()}; }
    QLineEdit* Editor() const { return grid->InplaceEditor(); }
    bool EditorShown() const { return Editor() && Editor()->isVisible(); }
    std::string EditorText() const {
        return Editor() ? cp932::ToUtf8(grid->InplaceEditor()->Text()) : "";
    }
    std::string Cell(int c, int r) const { return cp932::ToUtf8(grid->Cells(c, r)); }
    // Keys go where the focus is, as they would from the keyboard.
    QWidget* FocusTarget() const {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : grid.get();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(FocusTarget(), key, mods);
    }
    // One key at a time: the first may open the editor and move the focus.
    void Type(const char* text) {
        for (const char* c = text; *c; ++c)
            QTest::keyClick(FocusTarget(), *c);
    }
    QPoint CellCentre(int c, int r) const { return grid->CellRect(c, r).center(); }
};

} // namespace zel::test
