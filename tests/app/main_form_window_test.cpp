#include "app/controls.h"
#include "app/print_position_dialog.h"
#include "app/translations.h"
#include "tests/app/app_test_fixture.h"

#include <QApplication>
#include <QFrame>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace zel::app {
namespace {

using MainFormWindowTest = test::TMainFormTest;

TEST(Buttons, EnterPressesTheFocusedButtonOnly) {
    QWidget window;
    QPushButton* button = MakeButton(&window, "印刷", {0, 0, 75, 25});
    QLineEdit* edit = MakeEdit(&window, {0, 30, 75, 21});
    int pressed = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++pressed; });
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(button, key);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(pressed, 2);
}

TEST(Translations, TheStandardDialogsSpeakJapanese) {
    ASSERT_TRUE(InstallJapaneseTranslations());
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QString::fromUtf8("印刷"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QString::fromUtf8("開く(&O)"));
}

TEST_F(MainFormWindowTest, FirstStartShowsTheDefaultsAndWritesNothing) {
    EXPECT_EQ(form.SchoolNameEdit->text(), QString::fromUtf8("塾名を入れます"));
    EXPECT_EQ(form.YearEdit->text(), QString());
    EXPECT_FALSE(std::filesystem::exists(dir.File("zel.ini")));
    EXPECT_EQ(std::pair(grid.RowCount(), grid.FixedRows()), std::pair(2, 1));
    EXPECT_EQ(form.TermCombo->currentIndex(), -1);
    EXPECT_FALSE(form.TermCombo->isEditable());            // once chosen, a term cannot be cleared
    EXPECT_TRUE(form.SchoolNameEdit->toolTip().isEmpty()); // its hint is never shown
    // The school name is typed in Japanese, the year directly, with the
    // input method closed but there to be opened.
    EXPECT_TRUE(form.SchoolNameEdit->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(form.YearEdit->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_EQ(form.YearEdit->inputMethodHints(), Qt::ImhPreferLatin);
}

TEST_F(MainFormWindowTest, PrintPositionButtonOpensANewModalDialogEachTime) {
    std::vector<TPrintPositionDialog*> seen;
    for (int press = 0; press < 2; ++press) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TPrintPositionDialog*>(QApplication::activeModalWidget());
            seen.push_back(dialog);
            if (dialog != nullptr)
                dialog->close();
        });
        form.PrintPositionButton->click();
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NE(seen[0], nullptr);
    EXPECT_NE(seen[1], nullptr);
}

} // namespace
} // namespace zel::app
