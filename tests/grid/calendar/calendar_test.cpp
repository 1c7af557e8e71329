// The drop-down calendar, driven with the mouse offscreen, with "today" and the locale fixed.

#include "framework/date_text.h"
#include "grid/calendar/calendar_popup.h"
#include "grid/calendar/calendar_status_panel.h"
#include "grid/calendar/month_calendar.h"
#include "grid/calendar/speed_button.h"
#include "grid/core/button_glyphs.h"
#include "tests/grid/grid_fixture.h"
#include "tests/support/japanese_date_locale.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <memory>

namespace zel {
namespace {

std::string Utf8(const std::string& sjis) {
    return cp932::ToUtf8(sjis);
}

class CalendarTest : public testing::Test {
protected:
    TFixedToday today{TDate(2026, 12, 7)};
    TScopedDateLocale locale{test::JapaneseDateLocale()};
    // The editor the popup drops from, in a window of its own.
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit* editor = new QLineEdit(window.get());
    TMOPopupPanel* popup = nullptr;
    int picked = 0;

    void Open(const TDate& date, QPoint editorAt = {100, 100}) {
        window->setGeometry(QRect(editorAt, QSize(120, 20)));
        editor->setGeometry(0, 0, 120, 20);
        test::ShowFocused(*window, editor);
        popup = new TMOPopupPanel(editor, TMOMonthCalColors(), date);
        popup->OnDayPicked = [this] { ++picked; };
        popup->DropDown(QRect(editor->mapToGlobal(QPoint(0, 0)), editor->size()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    }
    TMOInplaceCalender& Calendar() const { return *popup->Calendar(); }
    void ClickCell(int col, int row, Qt::KeyboardModifiers shift = {}) {
        QTest::mouseClick(Calendar().viewport(), Qt::LeftButton, shift,
                          Calendar().CellRect(col, row).center());
        QApplication::processEvents();
    }
    std::string Title() const { return popup->TitleLabel()->text().toStdString(); }
};

TEST(MonthCalendar, TheFirstDayFallsWhereTheWeekStarts) {
    const TFixedToday today(TDate(2026, 12, 7));
    const TScopedDateLocale locale(test::JapaneseDateLocale());
    const struct {
        TDate date;
        TMODayWeekName startWeek;
        int offset;
        int firstCol; // where day 1 stands in row 1
        int lastCol;  // where the month's last day stands
        int lastRow;
        TGridCoord current;
        const char* firstName; // column 0 of the header
    } cases[] = {
        // June 2026 starts on a Monday, February 2026 on a Sunday.
        {{2026, 6, 1}, Mon, 1, 0, 1, 5, {0, 1}, "月"},
        {{2026, 2, 14}, Mon, -5, 6, 5, 5, {5, 3}, "月"},
        {{2026, 2, 14}, Sun, 1, 0, 6, 4, {6, 2}, "日"},
        // A leap February: 29 days, starting on a Thursday.
        {{2024, 2, 29}, Mon, -2, 3, 3, 5, {3, 5}, "月"},
        {{2026, 12, 31}, Sun, -1, 2, 4, 5, {4, 5}, "日"},
    };
    TMOInplaceCalender calendar;
    for (const auto& c : cases) {
        calendar.SetStartWeek(c.startWeek);
        calendar.SetDate(c.date);
        const int last = DaysInMonth(c.date.Year(), c.date.Month());
        SCOPED_TRACE(testing::Message() << c.date.Year() << "/" << c.date.Month());
        EXPECT_EQ(calendar.MonthOffset(), c.offset);
        EXPECT_EQ(calendar.CellText(c.firstCol, 1), "1");
        if (c.firstCol > 0) {
            EXPECT_EQ(calendar.CellText(c.firstCol - 1, 1), "");
        }
        EXPECT_EQ(calendar.CellText(c.lastCol, c.lastRow), std::to_string(last));
        if (c.lastCol < 6) {
            EXPECT_EQ(calendar.CellText(c.lastCol + 1, c.lastRow), "");
        }
        EXPECT_EQ((TGridCoord{calendar.Col(), calendar.Row()}), c.current);
        EXPECT_EQ(Utf8(calendar.CellText(0, 0)), c.firstName);
    }
}

TEST_F(CalendarTest, NavigationStepsByMonthAndYearAndSaysSo) {
    const struct {
        TDate from;
        TMOSpeedButton* (TMOPopupPanel::*button)() const;
        TDate to;
        int changes;
        const char* title;
    } cases[] = {
        {{2026, 1, 31}, &TMOPopupPanel::NextMonthButton, {2026, 2, 28}, 1, "2026年2月"},
        {{2026, 3, 31}, &TMOPopupPanel::PrevMonthButton, {2026, 2, 28}, 1, "2026年2月"},
        {{2024, 2, 29}, &TMOPopupPanel::NextYearButton, {2025, 2, 28}, 2, "2025年2月"},
        {{2026, 1, 15}, &TMOPopupPanel::PrevYearButton, {2025, 1, 15}, 2, "2025年1月"},
        {{2026, 12, 7}, &TMOPopupPanel::NextMonthButton, {2027, 1, 7}, 1, "2027年1月"},
    };
    Open(TDate(2026, 1, 1));
    for (const auto& c : cases) {
        Calendar().SetDate(c.from);
        int changes = 0;
        const auto popupsOwn = Calendar().OnChange;
        Calendar().OnChange = [&](TMOInplaceCalender& sender) {
            ++changes;
            popupsOwn(sender);
        };
        QTest::mouseClick((popup->*c.button)(), Qt::LeftButton);
        Calendar().OnChange = popupsOwn;
        EXPECT_EQ(popup->Date(), c.to) << c.title;
        EXPECT_EQ(changes, c.changes) << c.title;
        EXPECT_EQ(Title(), std::string(c.title));
    }
}

TEST_F(CalendarTest, TodaysCellIsFramedInRedOnlyInTodaysMonth) {
    Open(TDate(2026, 12, 20));
    // December 2026 starts on a Tuesday: the 7th is column 0 of row 2.
    auto frameRed = [&](int col, int row) {
        QApplication::processEvents();
        const QImage image = Calendar().viewport()->grab().toImage();
        const QRect cell = Calendar().CellRect(col, row);
        int red = 0;
        for (int y = cell.top() + 1; y < cell.bottom(); ++y)
            red += image.pixelColor(cell.left() + 1, y) == QColor(Qt::red) ? 1 : 0;
        return red == cell.height() - 2;
    };
    EXPECT_TRUE(frameRed(0, 2));
    EXPECT_FALSE(frameRed(1, 2)) << "the 8th";
    QTest::mouseClick(popup->NextMonthButton(), Qt::LeftButton);
    ASSERT_EQ(Calendar().CellText(0, 2), "4");
    EXPECT_FALSE(frameRed(0, 2)) << "4 January";
    QTest::mouseClick(popup->PrevYearButton(), Qt::LeftButton);
    EXPECT_FALSE(frameRed(0, 2)) << "a year before";
}

TEST_F(CalendarTest, OnlyAPlainLeftClickOnADayPicksIt) {
    // February 2026 starts on a Sunday: row 1 holds only the 1st.
    Open(TDate(2026, 2, 14));
    ClickCell(0, 1);
    EXPECT_EQ(popup->Date(), TDate(2026, 2, 14));
    EXPECT_EQ((TGridCoord{Calendar().Col(), Calendar().Row()}), (TGridCoord{5, 3}));
    ClickCell(3, 0); // a weekday name
    EXPECT_EQ(std::pair(popup->Date(), picked), std::pair(TDate(2026, 2, 14), 0));

    ClickCell(3, 4, Qt::ControlModifier);
    EXPECT_EQ(std::pair(popup->Date(), picked), std::pair(TDate(2026, 2, 19), 0));
    ClickCell(2, 2);
    EXPECT_EQ(std::pair(popup->Date(), picked), std::pair(TDate(2026, 2, 4), 1));
    EXPECT_TRUE(editor->hasFocus());
}

TEST_F(CalendarTest, ThePopupGoesAboveTheEditorWhereBelowHasNoRoom) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int popupHeight =
        TMOPopupPanel::kGridHeight + TMOPopupPanel::kTitleHeight + TMOPopupPanel::kTodayHeight;
    const struct {
        int editorTop, popupTop;
    } cases[] = {
        {100, 120},
        {screen.bottom() + 1 - 20 - popupHeight, screen.bottom() + 1 - popupHeight},
        {screen.bottom() - 20 - popupHeight + 2, screen.bottom() - 20 - 2 * popupHeight + 2},
    };
    for (const auto& c : cases) {
        Open(TDate(2026, 12, 7), {40, c.editorTop});
        EXPECT_EQ(popup->geometry().topLeft(), QPoint(40, c.popupTop)) << c.editorTop;
        EXPECT_TRUE(editor->hasFocus());
        EXPECT_FALSE(popup->isActiveWindow());
        delete popup;
    }
}

TEST_F(CalendarTest, TheTodayStripShowsTheEraDateAndGoesToToday) {
    Open(TDate(2025, 3, 3));
    EXPECT_EQ(Utf8(popup->TodayPanel()->Caption()), "今日: 令和 8/12/7");
    EXPECT_EQ(Utf8(popup->TodayPanel()->Hint()),
              "ここをダブルクリックすると\r\n今日に移動します。");
    QTest::mouseDClick(popup->TodayPanel(), Qt::LeftButton);
    EXPECT_EQ(popup->Date(), TDate(2026, 12, 7));
    EXPECT_EQ(Title(), "2026年12月");
    EXPECT_TRUE(popup->isVisible());

    delete popup;
    const TFixedToday eraEnd(TDate(2019, 4, 30));
    Open(TDate(2019, 4, 1));
    EXPECT_EQ(Utf8(popup->TodayPanel()->Caption()), "今日: 平成 31/4/30");
}

TEST(SpeedButton, RepeatsAfterHalfASecondThenEveryTenthWhileHeldOverIt) {
    std::vector<int> log;
    TMOSpeedButton button;
    button.resize(14, 14);
    button.show();
    auto timer = std::make_unique<test::TManualTimer>(log);
    test::TManualTimer* manual = timer.get();
    button.SetRepeatTimer(std::move(timer));
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    const QPoint inside(7, 7), outside(40, 7);
    auto fire = [&] { manual->Tick(); };
    auto move = [&](QPoint to) {
        QMouseEvent event(QEvent::MouseMove, to, button.mapToGlobal(to), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &event);
    };
    const auto press = [&] { QTest::mousePress(&button, Qt::LeftButton, {}, inside); };
    // Each step with the clicks so far and what it did to the timer: the
    // intervals started, 0 for a stop.
    const struct {
        std::function<void()> step;
        int clicks;
        std::vector<int> timer;
    } script[] = {
        {press, 0, {500}},
        {fire, 1, {100}},
        {fire, 2, {100}},
        {[&] { move(outside); }, 2, {}},
        {fire, 2, {100}},
        {[&] { move(inside); }, 2, {}},
        {fire, 3, {100}},
        {[&] { QTest::mouseRelease(&button, Qt::LeftButton, {}, inside); }, 4, {0}},
        // Released away from the button: no click.
        {press, 4, {500}},
        {[&] { move(outside); }, 4, {}},
        {[&] { QTest::mouseRelease(&button, Qt::LeftButton, {}, outside); }, 4, {0}},
    };
    int step = 0;
    for (const auto& s : script) {
        const std::size_t before = log.size();
        s.step();
        EXPECT_EQ(clicks, s.clicks) << "step " << step;
        EXPECT_EQ(std::vector<int>(log.begin() + before, log.end()), s.timer) << "step " << step;
        ++step;
    }
}

TEST(ButtonGlyphs, ArrowsOfAPairAreMirrorImages) {
    const struct {
        const char *first, *second;
        bool horizontal;
    } pairs[] = {
        {"MOPREVMONTH", "MONEXTMONTH", true},
        {"MOPREVYEAR", "MONEXTYEAR", true},
        {"SpinUp", "SpinDown", false},
    };
    for (const auto& p : pairs) {
        const QImage first = ButtonGlyph(p.first).toImage();
        ASSERT_FALSE(first.isNull()) << p.first;
        EXPECT_NE(first, first.mirrored(p.horizontal, !p.horizontal)) << p.first;
        EXPECT_EQ(first.mirrored(p.horizontal, !p.horizontal), ButtonGlyph(p.second).toImage())
            << p.second;
    }
}

} // namespace
} // namespace zel
