#pragma once
// A string grid with column definitions, shown with the focus, and the
// ways the tests type into it and look at it.

#include "grid/column_string_grid.h"
#include "tests/grid/grid_fixture.h"

#include <QImage>
#include <QInputMethodQueryEvent>

namespace zel::test {

class ColumnGridFixture : public testing::Test {
protected:
    std::unique_ptr<TMOStringGrid> grid = std::make_unique<TMOStringGrid>();
    std::vector<std::string> escaped;

    void SetUp() override {
        SetGridExceptionHandler([this] {
            try {
                throw;
            } catch (const std::exception& e) {
                escaped.push_back(e.what());
            }
        });
    }
    void TearDown() override {
        grid.reset();
        SetGridExceptionHandler({});
        EXPECT_TRUE(escaped.empty());
    }
    void Show() {
        grid->SetBorderStyle(bsNone);
        grid->resize(320, 200);
        grid->show();
        grid->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(grid.get()));
        grid->setFocus();
    }
    QImage Grab() {
        QApplication::processEvents();
        return grid->viewport()->grab().toImage();
    }

    TMOGridColumn& Column(int i) { return grid->GridColumns().Items(i); }
    std::string Cell(int c, int r) const { return cp932::ToUtf8(grid->Cells(c, r)); }
    TInplaceEdit* Editor() const { return grid->InplaceEditor(); }
    std::string EditorText() const { return cp932::ToUtf8(Editor()->Text()); }
    // Keys go where the focus is: the first typed key opens the editor.
    void Key(int key) { QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key)); }
    void Type(const char* text) {
        for (const char* c = text; *c; ++c)
            QTest::keyClick(QApplication::focusWidget(), *c);
    }
    void Click(int c, int r) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(c, r).center());
    }
};

// What the platform asks a focused widget before an input method may
// compose for it.
inline bool InputMethodAccepted(QWidget* widget) {
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(widget, &query);
    return query.value(Qt::ImEnabled).toBool();
}

} // namespace zel::test
