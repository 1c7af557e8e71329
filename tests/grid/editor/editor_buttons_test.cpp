// The editor's buttons driven by mouse and keys: spin steps and their
// repeat, the drop-down list's size, place and choice, the drop list's
// refusal of typing, the check box, the ellipsis, and masked dates.

#include "grid/calendar/calendar_popup.h"
#include "grid/calendar/month_calendar.h"
#include "grid/columns/calendar_text.h"
#include "grid/editor/inplace_edit_3d.h"
#include "grid/editor/pop_list_box.h"
#include "grid/editor/spin_button.h"
#include "tests/grid/grid_fixture.h"

#include <QScreen>
#include <optional>

namespace zel::test {
namespace {

class EditorButtonsTest : public ColumnGridFixture {
protected:
    std::vector<std::string> hooks;
    std::vector<int> log; // of the repeat timers

    void SetUp() override {
        ColumnGridFixture::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->OnEditButtonClick = [this](QObject*, int col, int row, std::string& text) {
            hooks.push_back("edit " + Pos(col, row) + " " + cp932::ToUtf8(text));
            text += "!";
        };
        grid->OnListBoxClick = [this](QObject*, int col, int row, std::string& text) {
            hooks.push_back("list " + Pos(col, row) + " " + cp932::ToUtf8(text));
        };
        grid->OnCheckCellClick = [this](QObject*, int col, int row, bool check) {
            hooks.push_back("check " + Pos(col, row) + " " + (check ? "1" : "0"));
        };
        Show();
    }
    static std::string Pos(int col, int row) {
        return std::to_string(col) + "," + std::to_string(row);
    }
    // Opens the editor on (1, 1) with its column set up by `setup`.
    TInplaceEdit3D& Open(TMOColumnButtonStyle style, const char* cell = "") {
        grid->HideEditor();
        Column(1).SetButtonStyle(style);
        grid->SetCells(1, 1, cp932::FromUtf8(cell));
        grid->SetCol(1);
        grid->SetRow(1);
        Key(Qt::Key_F2);
        Settle();
        auto* editor = dynamic_cast<TInplaceEdit3D*>(Editor());
        EXPECT_TRUE(editor && editor->hasFocus());
        return *editor;
    }
    // Lets deferred work (activation handed back to the grid) run.
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    static QPoint ButtonCentre(const TInplaceEdit3D& editor) {
        return editor.ButtonRect().center();
    }
    static QPoint ItemCentre(TPopListBox& list, int row) {
        return list.visualItemRect(list.item(row)).center();
    }
    enum Way {
        Pick,
        DragIn,
        ClickOutside,
        ClickNoFocus,
        Escape,
        ButtonAgain,
        AnotherWindow,
        KeyDown
    };
    // Closes the editor's list or calendar the ways both have.
    void Close(Way way, TInplaceEdit3D& editor) {
        if (way == ButtonAgain)
            QTest::mouseClick(&editor, Qt::LeftButton, {}, ButtonCentre(editor));
        else if (way == ClickOutside)
            Click(3, 3);
        else if (way == Escape)
            QTest::keyClick(&editor, Qt::Key_Escape);
        else if (way == KeyDown)
            Key(Qt::Key_Down);
    }
    void SetList(std::initializer_list<const char*> items) {
        TStringList list;
        for (const char* item : items)
            list.Add(cp932::FromUtf8(item));
        Column(1).SetListStrings(list);
    }
};

TEST_F(EditorButtonsTest, SpinStepsByTheIncrementWithinTheLimits) {
    struct Case {
        int min, max;
        const char* start;
        bool up;
        const char* result;
    } cases[] = {
        {0, 20, "18", true, "20"},   {0, 20, "0", false, "0"},
        {0, 20, "7", false, "2"},    {0, 0, "-3", true, "2"}, // equal limits are no limits
        {0, 20, "", true, "5"},                               // empty counts as 0
        {0, 20, "1.5", true, "1.5"},
    };
    for (const Case& c : cases) {
        TMOSpinButtonOption option;
        option.SetIncrement(5);
        option.SetMinValue(c.min);
        option.SetMaxValue(c.max);
        Column(1).SetSpinButtonOption(option);
        TInplaceEdit3D& editor = Open(cbsSpin, c.start);
        TSpinButton* spin = editor.SpinButton();
        ASSERT_TRUE(spin && spin->isVisible());
        TTimerSpeedButton* half = c.up ? spin->UpButton() : spin->DownButton();
        half->SetRepeatTimer(std::make_unique<TManualTimer>(log));
        QTest::mouseClick(half, Qt::LeftButton, {}, half->rect().center());
        EXPECT_EQ(EditorText(), c.result) << c.start;
        EXPECT_EQ(Cell(1, 1), c.result) << c.start;
        EXPECT_TRUE(editor.hasFocus());
    }
}

TEST_F(EditorButtonsTest, SpinRepeatsAfter400AndThenEvery100WhilePressed) {
    TInplaceEdit3D& editor = Open(cbsSpin, "0");
    TTimerSpeedButton* up = editor.SpinButton()->UpButton();
    auto timer = std::make_unique<TManualTimer>(log);
    TManualTimer& ticks = *timer;
    up->SetRepeatTimer(std::move(timer));

    QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
    EXPECT_EQ(Cell(1, 1), "1") << "the press steps at once";
    ticks.Tick();
    ticks.Tick();
    EXPECT_EQ(Cell(1, 1), "3");
    // Off the button the repeat waits; back on it, it goes on.
    QTest::mouseMove(up, QPoint(-20, -20));
    ticks.Tick();
    EXPECT_EQ(Cell(1, 1), "3");
    QTest::mouseMove(up, up->rect().center());
    ticks.Tick();
    QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
    ticks.Tick();
    EXPECT_EQ(Cell(1, 1), "4");
    EXPECT_EQ(log, (std::vector<int>{400, 100, 100, 100, 100, 0}));
}

TEST_F(EditorButtonsTest, PickListDropsWidenedBelowOrAboveTheEditor) {
    const QRect screen = grid->screen()->geometry();
    struct Case {
        std::initializer_list<const char*> items;
        bool nearBottom, wider, above;
    } cases[] = {
        {{"a", "b"}, false, false, false},
        {{"a", "a very long item that no editor is wide enough for"}, false, true, false},
        {{"a", "b"}, true, false, true},
    };
    for (const Case& c : cases) {
        grid->move(screen.left() + 10, c.nearBottom ? screen.bottom() - 70 : screen.top() + 10);
        Settle();
        SetList(c.items);
        TInplaceEdit3D& editor = Open(cbsList);
        QTest::mouseClick(&editor, Qt::LeftButton, {}, ButtonCentre(editor));
        Settle();
        TPopListBox* list = editor.PickList();
        ASSERT_TRUE(list && list->isVisible());
        EXPECT_TRUE(list->isWindow());
        EXPECT_TRUE(editor.hasFocus()) << "the focus stays in the editor";
        const QRect at = list->geometry();
        const QRect edit(editor.mapToGlobal(QPoint(0, 0)), editor.size());
        EXPECT_EQ(at.width() > edit.width(), c.wider);
        EXPECT_GE(at.width(), edit.width());
        EXPECT_EQ(at.left(), edit.left());
        EXPECT_EQ(at.top(), c.above ? edit.top() - at.height() : edit.bottom() + 1);
        EXPECT_LE(at.height(), TPopListBox::kDefaultHeight);
        Key(Qt::Key_Escape);
    }
}

TEST_F(EditorButtonsTest, ClosingTheListTakesTheSelectedItemExceptOnEscape) {
    SetList({"alpha", "beta", "gamma"});
    struct Case {
        Way way;
        int item; // highlighted before closing; -1 for none
        const char* cell;
    } cases[] = {
        {Pick, 1, "beta"},          {DragIn, 1, "beta"},       {KeyDown, 2, "gamma"},
        {ClickOutside, 2, "gamma"}, {ClickOutside, -1, "old"}, {ClickNoFocus, 0, "alpha"},
        {Escape, 0, "old"},         {ButtonAgain, 1, "beta"},  {AnotherWindow, 2, "gamma"},
    };
    QWidget elsewhere;
    // A click that moves no focus closes the list too.
    QWidget noFocus(grid.get());
    noFocus.setGeometry(0, 0, 10, 10);
    noFocus.show();
    for (const Case& c : cases) {
        hooks.clear();
        TInplaceEdit3D& editor = Open(cbsList, "old");
        QTest::mousePress(&editor, Qt::LeftButton, {}, ButtonCentre(editor));
        Settle();
        TPopListBox& list = *editor.PickList();
        ASSERT_TRUE(editor.ListVisible());
        QWidget* items = list.viewport();
        if (c.way == DragIn) {
            // The press that opened the list drags on into it.
            const QPoint item = items->mapToGlobal(ItemCentre(list, c.item));
            QTest::mouseMove(&editor, editor.mapFromGlobal(item));
            EXPECT_EQ(QWidget::mouseGrabber(), items);
            QTest::mouseRelease(items, Qt::LeftButton, {}, ItemCentre(list, c.item));
        } else {
            QTest::mouseRelease(&editor, Qt::LeftButton, {}, ButtonCentre(editor));
        }
        if (c.item >= 0 && c.way != DragIn) {
            // Pressed on the item and dragged off the list: highlighted, open.
            QTest::mousePress(items, Qt::LeftButton, {}, ItemCentre(list, c.item));
            if (c.way != Pick)
                QTest::mouseRelease(items, Qt::LeftButton, {}, QPoint(-30, -30));
        }
        if (c.way == Pick)
            QTest::mouseRelease(items, Qt::LeftButton, {}, ItemCentre(list, c.item));
        if (c.way == ClickNoFocus)
            QTest::mouseClick(&noFocus, Qt::LeftButton, {}, QPoint(5, 5));
        if (c.way == AnotherWindow) {
            elsewhere.show();
            elsewhere.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        }
        Close(c.way, editor);
        Settle();
        EXPECT_FALSE(list.isVisible()) << c.way;
        EXPECT_FALSE(editor.ListVisible()) << c.way;
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << c.way;
        EXPECT_EQ(Cell(1, 1), c.cell) << c.way;
        const std::string chosen = c.item >= 0 && c.way != Escape ? c.cell : "";
        EXPECT_EQ(hooks, std::vector<std::string>{"list 1,1 " + chosen}) << c.way;
        if (elsewhere.isVisible()) {
            elsewhere.hide();
            ShowFocused(*grid);
        }
        grid->setFocus();
    }
}

TEST_F(EditorButtonsTest, ADropListTakesItsValueOnlyFromTheList) {
    TInplaceEdit3D& editor = Open(cbsDropList, "beta");
    Type("x");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(EditorText(), "beta");
    EXPECT_EQ(Cell(1, 1), "beta");
    // The whole editor is its button.
    EXPECT_TRUE(editor.OnButton(QPoint(3, 3)));
}

TEST_F(EditorButtonsTest, TheCheckBoxTogglesTheCellAndTellsTheGrid) {
    TInplaceEdit3D& editor = Open(cbsCheckBox, "");
    for (const char* expected : {"1", "0", "1"}) {
        QTest::mouseClick(&editor, Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_EQ(Cell(1, 1), expected);
        EXPECT_EQ(editor.Checked(), std::string(expected) == "1");
    }
    EXPECT_EQ(hooks, (std::vector<std::string>{"check 1,1 1", "check 1,1 0", "check 1,1 1"}));
    // Leaving the cell writes the flag, not the editor's empty text.
    Key(Qt::Key_Down);
    EXPECT_EQ(Cell(1, 1), "1");
}

TEST_F(EditorButtonsTest, TheEllipsisCallsTheGridWhenReleasedOnItself) {
    struct Case {
        bool releaseOnButton;
        const char* cell;
    } cases[] = {{true, "text!"}, {false, "text"}};
    for (const Case& c : cases) {
        hooks.clear();
        TInplaceEdit3D& editor = Open(cbsEllipsis, "text");
        QTest::mousePress(&editor, Qt::LeftButton, {}, ButtonCentre(editor));
        EXPECT_TRUE(editor.Pressed());
        const QPoint release = c.releaseOnButton ? ButtonCentre(editor) : QPoint(3, 3);
        QTest::mouseMove(&editor, release);
        QTest::mouseRelease(&editor, Qt::LeftButton, {}, release);
        EXPECT_FALSE(editor.Pressed());
        EXPECT_EQ(Cell(1, 1), c.cell);
        EXPECT_EQ(hooks.size(), c.releaseOnButton ? 1u : 0u);
    }
}

TEST_F(EditorButtonsTest, MaskedTextShowsBlanksAndReadsThemBackAsSpaces) {
    struct Case {
        const char *mask, *typed, *shown, *cell;
    } cases[] = {
        {"!99/99/00;1;_", "", "__/__/__", ""},
        {"!99/99/00;1;_", "12", "12/__/__", "12/  /  "},
        {"!99/99/00;1;_", "1231", "12/31/__", "12/31/  "},
        {"!9999年99月00日;1;_", "2024", "2024年__月__日", "2024年  月  日"},
        {"!99/99/00;1;_", "1a2", "12/__/__", "12/  /  "}, // digits only
    };
    for (const Case& c : cases) {
        grid->OnGetEditMask = [&](QObject*, int, int, std::string& mask) {
            mask = cp932::FromUtf8(c.mask);
        };
        TInplaceEdit3D& editor = Open(cbsSimple);
        editor.setCursorPosition(0);
        Type(c.typed);
        EXPECT_EQ(editor.displayText().toStdString(), c.shown) << c.typed;
        EXPECT_EQ(Cell(1, 1), c.cell) << c.typed;
    }
}

TEST_F(EditorButtonsTest, OpeningAndClosingTheEditorNeverChangesAMaskedCell) {
    struct Case {
        const char *mask, *cell, *shown;
    } cases[] = {
        {"!99/99/00;1;_", "24/01/ 5", "24/01/_5"}, // a blank in a required position
        {"!99/99/00;1;_", "24/ 1/05", "24/_1/05"},
        {"00-00;1;_", " 1-23", "_1-23"},
        {"!99/99/00;1;_", "12/31/99", "12/31/99"},
        {"\\;00;1;_", ";12", ";12"}, // an escaped ";", which the widget cannot take
        {"99;1;_", "1", "1_"},
    };
    for (const Case& c : cases) {
        grid->OnGetEditMask = [&](QObject*, int, int, std::string& mask) {
            mask = cp932::FromUtf8(c.mask);
        };
        const TInplaceEdit3D& editor = Open(cbsSimple, c.cell);
        EXPECT_EQ(editor.displayText().toStdString(), c.shown) << c.mask;
        grid->HideEditor();
        EXPECT_EQ(Cell(1, 1), c.cell) << c.mask;
    }
}

TEST_F(EditorButtonsTest, EveryWayOfClosingTheCalendarButEscapeWritesItsDate) {
    const TFixedToday today({2026, 3, 15});
    struct Case {
        Way way;
        const char* cell;
        std::optional<TDate> written; // none: the cell as it was
    } cases[] = {
        {Pick, "", TDate{2026, 3, 20}},         {ButtonAgain, "", TDate{2026, 3, 15}},
        {ClickOutside, "", TDate{2026, 3, 15}}, {Escape, "", std::nullopt},
        {KeyDown, "", TDate{2026, 3, 15}},
    };
    for (const Case& c : cases) {
        TInplaceEdit3D& editor = Open(cbsCalendar, c.cell);
        QTest::mouseClick(&editor, Qt::LeftButton, {}, ButtonCentre(editor));
        Settle();
        TMOPopupPanel* popup = editor.CalendarPopup();
        ASSERT_TRUE(popup && popup->isVisible()) << c.way;
        EXPECT_TRUE(editor.hasFocus()) << c.way;
        if (c.way == Pick) {
            TMOInplaceCalender& month = *popup->Calendar();
            QPoint day;
            for (int row = 1; row < month.RowCount(); ++row)
                for (int col = 0; col < month.ColCount(); ++col)
                    if (month.CellText(col, row) == "20")
                        day = month.CellRect(col, row).center();
            QTest::mouseClick(month.viewport(), Qt::LeftButton, {}, day);
        }
        Close(c.way, editor);
        Settle();
        EXPECT_EQ(editor.CalendarPopup(), nullptr) << c.way;
        const std::string expected =
            c.written ? CalendarDateText(Column(1).DateFormat(), *c.written) : c.cell;
        EXPECT_EQ(grid->Cells(1, 1), expected) << c.way;
        grid->setFocus();
    }
}

} // namespace
} // namespace zel::test
