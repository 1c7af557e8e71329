// The in-place editor: opened by typing, Enter and F2, closed by moves,
// with every change written back to the cell.

#include "tests/grid/grid_fixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace zel::test {
namespace {

class EditorTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        grid->SetColCount(3);
        grid->SetRowCount(6);
        grid->SetOptions(grid->Options() + goEditing);
        grid->SetCells(1, 1, "old");
        grid->SetCells(2, 1, "next");
        Show(300, 200);
    }
    std::vector<std::string> WriteBacks() const {
        std::vector<std::string> out;
        for (const std::string& call : grid->calls)
            if (call.starts_with("SetEditText"))
                out.push_back(call);
        return out;
    }
};

TEST_F(EditorTest, TypingReplacesTheCellWritesBackEachKeyAndAnArrowClosesTheEditor) {
    Type("ab");
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(WriteBacks(), (std::vector<std::string>{"SetEditText 1,1 a", "SetEditText 1,1 ab"}));
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Cell(1, 1), "a");
    Key(Qt::Key_Down);
    EXPECT_FALSE(EditorShown() || grid->EditorMode());
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_TRUE(grid->hasFocus());
    Key(Qt::Key_Up);
    Key(Qt::Key_Right);
    Type("z");
    EXPECT_EQ(EditorText(), "z") << "the typed character is the whole text";
    EXPECT_EQ(Cell(2, 1), "z");
    EXPECT_EQ(Editor()->geometry(), grid->CellRect(2, 1));
}

TEST_F(EditorTest, EnterTogglesTheEditorOnTheGridAndF2PutsTheCaretAtTheEnd) {
    Key(Qt::Key_Return);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->selectedText(), "old");
    EXPECT_TRUE(Editor()->hasFocus());
    Key(Qt::Key_Return); // in the editor Enter only flips the selection
    EXPECT_TRUE(EditorShown());
    EXPECT_FALSE(Editor()->hasSelectedText());
    QTest::keyClick(grid.get(), Qt::Key_Return);
    EXPECT_FALSE(EditorShown() || grid->EditorMode());
    EXPECT_TRUE(grid->hasFocus());

    Key(Qt::Key_F2);
    EXPECT_EQ(std::pair(Editor()->hasSelectedText(), Editor()->cursorPosition()),
              std::pair(false, 3));
    Type("er");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(Cell(1, 1), "older") << "there is no cancel: the cell keeps what was typed";
}

TEST_F(EditorTest, TheEditorReloadsItsCellButWritesBackOnlyWhatIsPutIntoIt) {
    Key(Qt::Key_F2);
    grid->SetCells(1, 1, "from elsewhere");
    grid->SetCells(2, 2, "not the current cell");
    EXPECT_EQ(EditorText(), "from elsewhere");
    EXPECT_TRUE(WriteBacks().empty()) << "loading the cell changes nothing";
    // What a list or a calendar would do: put a value into the box.
    grid->InplaceEditor()->SetText("picked");
    EXPECT_EQ(WriteBacks(), (std::vector<std::string>{"SetEditText 1,1 picked"}));
}

TEST_F(EditorTest, LeavingTheGridClosesTheEditorWithWriteBack) {
    QLineEdit other(grid.get());
    other.show();
    Type("typed");
    other.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(grid->InplaceCell(), (TGridCoord{-1, -1}));
    EXPECT_EQ(Cell(1, 1), "typed");
    // Coming back shows it again, since the editor was wanted.
    grid->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(EditorShown());
}

TEST_F(EditorTest, WithAlwaysShowEditorTheEditorStaysAcrossMoves) {
    grid->SetOptions(grid->Options() + goAlwaysShowEditor);
    ASSERT_TRUE(EditorShown());
    Key(Qt::Key_Down);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(grid->InplaceCell(), (TGridCoord{1, 2}));
    Key(Qt::Key_Up);
    Key(Qt::Key_Home);
    Key(Qt::Key_Right);
    EXPECT_EQ(std::pair(grid->Col(), Editor()->cursorPosition()), std::pair(1, 1))
        << "Right inside the text stays in the editor";
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(EditorText(), "next");
}

TEST_F(EditorTest, AnAlwaysShownEditorAppearsWithTheGridEvenWithoutTheFocus) {
    QWidget form;
    QLineEdit name(&form);
    TTestGrid listed;
    listed.SetOptions(listed.Options() + goEditing + goAlwaysShowEditor);
    listed.SetCells(1, 1, "shown");
    EXPECT_EQ(listed.InplaceEditor(), nullptr) << "no editor before there is a window";
    listed.setParent(&form);
    listed.move(0, 40);
    form.resize(400, 200);
    form.show();
    name.setFocus();
    ASSERT_NE(listed.InplaceEditor(), nullptr);
    EXPECT_TRUE(listed.InplaceEditor()->isVisible());
    EXPECT_EQ(listed.InplaceEditor()->geometry(), listed.CellRect(1, 1));
    EXPECT_EQ(form.focusWidget(), &name) << "showing the editor takes no focus";
}

// Records the keys that reach the grid's key handling.
class KeyRecordingGrid : public TTestGrid {
public:
    std::vector<int> keys;

protected:
    bool CanGridAcceptKey(int key, Qt::KeyboardModifiers shift) override {
        keys.push_back(key);
        return TTestGrid::CanGridAcceptKey(key, shift);
    }
};

TEST_F(EditorTest, TheEditorHandsOnlyItsListedKeysToTheGrid) {
    KeyRecordingGrid g;
    g.SetOptions(g.Options() + goEditing);
    ShowFocused(g);
    // Shift+Insert is the editor's own paste: of nothing here, whatever an
    // earlier test copied.
    QApplication::clipboard()->setText(QString());
    // With the editor always shown, the caret at either end lets Left/Home
    // and Right/End through, as does Ctrl anywhere.
    const struct {
        const char* name;
        bool always;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int caret;
        bool toGrid;
    } cases[] = {
        {"insert", false, Qt::Key_Insert, Qt::NoModifier, 1, true},
        {"shift insert pastes", false, Qt::Key_Insert, Qt::ShiftModifier, 1, false},
        {"escape", false, Qt::Key_Escape, Qt::NoModifier, 1, true},
        {"left at the start", false, Qt::Key_Left, Qt::NoModifier, 0, false},
        {"end at the end", false, Qt::Key_End, Qt::NoModifier, 3, false},
        {"f2", false, Qt::Key_F2, Qt::NoModifier, 1, false},
        {"always: left at the start", true, Qt::Key_Left, Qt::NoModifier, 0, true},
        {"always: left inside", true, Qt::Key_Left, Qt::NoModifier, 2, false},
        {"always: end at the end", true, Qt::Key_End, Qt::NoModifier, 3, true},
        {"always: ctrl left inside", true, Qt::Key_Left, Qt::ControlModifier, 2, true},
    };
    for (const auto& c : cases) {
        g.SetOptions(c.always ? g.Options() + goAlwaysShowEditor
                              : g.Options() - goAlwaysShowEditor);
        g.MoveCurrent(2, 2, true, true);
        g.SetEditorMode(true);
        TInplaceEdit* editor = g.InplaceEditor();
        ASSERT_TRUE(editor && editor->isVisible()) << c.name;
        editor->SetText("abc");
        editor->setCursorPosition(c.caret);
        g.keys.clear();
        QTest::keyClick(editor, c.key, c.mods);
        EXPECT_EQ(!g.keys.empty(), c.toGrid) << c.name;
        EXPECT_EQ(g.Cells(2, 2), "abc") << c.name;
    }
}

// Keeps digits only: a bad key puts the last stored text back into the
// editor before the write-back stores it.
class DigitsGrid : public TTestGrid {
protected:
    void SetEditText(int col, int row, const std::string& value) override {
        std::string text = value;
        if (text.find_first_not_of("0123456789") != std::string::npos) {
            text = Cells(col, row);
            InplaceEditor()->SetText(text);
        }
        TTestGrid::SetEditText(col, row, text);
    }
};

TEST_F(EditorTest, AWriteBackThatCorrectsTheEditorRunsOnce) {
    DigitsGrid digits;
    digits.SetOptions(digits.Options() + goEditing);
    ShowFocused(digits);
    for (const char c : std::string("12x"))
        QTest::keyClick(QApplication::focusWidget(), c);
    EXPECT_EQ(digits.InplaceEditor()->Text(), "12");
    EXPECT_EQ(digits.calls, (std::vector<std::string>{"SetEditText 1,1 1", "SetEditText 1,1 12",
                                                      "SetEditText 1,1 12"}))
        << "one per key, none from the correction";
    EXPECT_TRUE(escaped.empty());
}

class LockedGrid : public TTestGrid {
protected:
    int GetEditLimit() override { return -1; }
};

TEST_F(EditorTest, AnEditorThatMayNotModifyDropsEditingKeys) {
    LockedGrid locked;
    locked.SetOptions(locked.Options() + goEditing);
    locked.SetCells(1, 1, "keep");
    ShowFocused(locked);
    QTest::keyClick(&locked, Qt::Key_F2);
    TInplaceEdit* editor = locked.InplaceEditor();
    ASSERT_TRUE(editor->isVisible());
    QTest::keyClicks(editor, "zz");
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(editor->Text(), "keep");

    // Nor do the other ways in: composed text, the platform's editing
    // shortcuts, the context menu's paste.
    QApplication::clipboard()->setText("pasted");
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("ア"));
    QApplication::sendEvent(editor, &composed);
    editor->setCursorPosition(2);
    for (const QKeySequence::StandardKey key :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::DeleteEndOfLine,
          QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord}) {
        for (const QKeySequence& sequence : QKeySequence::keyBindings(key)) {
            editor->selectAll();
            QTest::keySequence(editor, sequence);
            EXPECT_EQ(editor->Text(), "keep") << sequence.toString().toStdString();
        }
    }
    editor->selectAll();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, {5, 5},
                                editor->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(editor, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    bool pasteOffered = false, copyOffered = false;
    for (QAction* action : menu->actions()) {
        pasteOffered |= action->text().contains("Paste") || action->text().contains("Cut");
        copyOffered |= action->text().contains("Copy") && action->isEnabled();
    }
    menu->close();
    EXPECT_EQ(std::pair(pasteOffered, copyOffered), std::pair(false, true));
    EXPECT_FALSE(editor->isReadOnly()) << "selecting and copying stay possible";
    EXPECT_EQ(cp932::ToUtf8(locked.Cells(1, 1)), "keep");
}

TEST_F(EditorTest, AnErrorInAWriteBackReachesTheApplicationHandler) {
    grid->OnSetEditText = [](QObject*, int, int, const std::string&) {
        throw EInvalidGridOperation("refused");
    };
    Type("q");
    ASSERT_EQ(escaped, (std::vector<std::string>{"refused"}));
    EXPECT_EQ(Cell(1, 1), "q") << "the cell was stored before the event ran";
}

TEST_F(EditorTest, DoubleByteTextRoundTripsThroughTheEditor) {
    Key(Qt::Key_F2);
    Editor()->selectAll();
    for (const QChar c : QString::fromUtf8("髙橋")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(Editor(), &key);
    }
    EXPECT_EQ(grid->Cells(1, 1), cp932::FromUtf8("髙橋"));
}

} // namespace
} // namespace zel::test
