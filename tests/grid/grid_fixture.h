#pragma once
// String grids in a window of their own, shown and holding the focus, with their hooks opened up
// and recorded, and the ways the tests type into them and look at them.

#include "grid/columns/column_string_grid.h"
#include "grid/core/grid_errors.h"
#include "grid/core/inplace_edit.h"
#include "grid/core/repeat_timer.h"
#include "grid/core/string_grid.h"
#include "platform/cp932.h"
#include "platform/qt/font_faces.h"
#include "tests/support/error_text.h"

#include <QApplication>
#include <QImage>
#include <QInputMethodQueryEvent>
#include <QPainter>
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

// Shows `window`, waits until it is active and gives `focus` the focus.
inline void ShowFocused(QWidget& window, QWidget* focus = nullptr) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    (focus ? focus : &window)->setFocus();
}

// A grid of class `Grid`; what escapes its events is kept in `escaped`.
template <class Grid> class TGridTest : public testing::Test {
protected:
    std::unique_ptr<Grid> grid = std::make_unique<Grid>();
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
    }
    // Shows the grid without a border at w x h and gives it the focus.
    void ShowSized(int w, int h) {
        grid->SetBorderStyle(bsNone);
        grid->resize(w, h);
        ShowFocused(*grid);
    }
    QImage Grab() {
        QApplication::processEvents();
        return grid->viewport()->grab().toImage();
    }
    static QRgb Of(TColor c) { return ColorToQColor(c).rgb(); }

    TInplaceEdit* Editor() const { return grid->InplaceEditor(); }
    bool EditorShown() const { return Editor() && Editor()->isVisible(); }
    std::string EditorText() const { return Editor() ? cp932::ToUtf8(Editor()->Text()) : ""; }
    std::string Cell(int c, int r) const { return cp932::ToUtf8(grid->Cells(c, r)); }
    QPoint CellCentre(int c, int r) const { return grid->CellRect(c, r).center(); }
    // Keys go where the focus is, as they would from the keyboard.
    static QWidget* FocusTarget(QWidget* fallback) {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : fallback;
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(FocusTarget(grid.get()), key, mods);
    }
    // One key at a time: the first may open the editor and move the focus.
    void Type(const char* text) {
        for (const char* c = text; *c; ++c)
            QTest::keyClick(FocusTarget(grid.get()), *c);
    }
};

class GridFixture : public TGridTest<TTestGrid> {
protected:
    void SetUp() override {
        TGridTest::SetUp();
        grid->setFont(platform::MakeFont(cp932::Sys("ＭＳ Ｐゴシック"), -12));
    }
    // Shows the grid with a viewport of exactly w x h pixels and the focus.
    void Show(int w = 400, int h = 300) {
        ShowSized(w, h);
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
    TGridCoord Current() const { return {grid->Col(), grid->Row()}; }
};

// A grid with column definitions at 320 x 200; nothing may escape it.
class ColumnGridFixture : public TGridTest<TMOStringGrid> {
protected:
    void TearDown() override {
        TGridTest::TearDown();
        EXPECT_TRUE(escaped.empty());
    }
    void Show() { ShowSized(320, 200); }
    TMOGridColumn& Column(int i) { return grid->GridColumns().Items(i); }
    void Click(int c, int r) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(c, r).center());
    }
};

// A button's repeat timer that ticks only when a test says so: `log` gets
// each start's interval and a 0 for each stop.
class TManualTimer : public TRepeatTimer {
public:
    explicit TManualTimer(std::vector<int>& log) : m_Log(log) {}
    void Start(int milliseconds) override { m_Log.push_back(milliseconds); }
    void Stop() override { m_Log.push_back(0); }
    void Tick() { OnTimeout(); }

private:
    std::vector<int>& m_Log;
};

inline QFont IpaFont(int pixels) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    return font;
}

// The box around every pixel of `area` that differs from `background`.
inline QRect InkBox(const QImage& image, const QRect& area, QRgb background) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The ink of `text` drawn on its own by Qt in IPAPGothic at `pixels`: what
// a cell's text should measure, made without the grid's painting.
inline QSize InkSize(const char* utf8, int pixels) {
    QImage image(300, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(IpaFont(pixels));
    painter.setPen(Qt::black);
    painter.drawText(20, 90, QString::fromUtf8(utf8));
    painter.end();
    return InkBox(image, image.rect(), qRgb(255, 255, 255)).size();
}

// What the platform asks a focused widget before an input method may compose for it.
inline bool InputMethodAccepted(QWidget* widget) {
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(widget, &query);
    return query.value(Qt::ImEnabled).toBool();
}

} // namespace zel::test
