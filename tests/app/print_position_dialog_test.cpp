#include "app/print_position_dialog.h"
#include "app/settings.h"
#include "app/up_down.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/temp_dir.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace zel::app {
namespace {

class PrintPositionDialogTest : public testing::Test {
protected:
    test::TTempDir dir;
    test::TCurrentDirectory in{dir.Path()};

    std::string Stored(const char* key) {
        return OpenSettings().ReadString(kSectionMargin, key, "<absent>");
    }
};

TEST_F(PrintPositionDialogTest, LayoutOfTheDialog) {
    TPrintPositionDialog form;
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("印字位置調整"));
    EXPECT_EQ(form.size(), QSize(316, 213));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form.LeftEdit->geometry(), QRect(24, 24, 25, 20));
    EXPECT_EQ(form.TopEdit->geometry(), QRect(24, 48, 25, 20));
    EXPECT_EQ(form.SpaceEdit->geometry(), QRect(24, 96, 25, 20));
    EXPECT_EQ(form.HeightEdit->geometry(), QRect(24, 144, 25, 20));
    EXPECT_EQ(form.LeftUpDown->geometry(), QRect(49, 24, 15, 20));
    EXPECT_EQ(form.TopUpDown->geometry(), QRect(49, 48, 15, 20));
    EXPECT_EQ(form.SpaceUpDown->geometry(), QRect(49, 96, 15, 20));
    EXPECT_EQ(form.HeightUpDown->geometry(), QRect(49, 144, 15, 20));
    EXPECT_EQ(form.OkButton->geometry(), QRect(120, 176, 75, 25));
    EXPECT_EQ(form.OkButton->text(), QStringLiteral("O.K."));
    EXPECT_FALSE(form.OkButton->isDefault());
    EXPECT_EQ(form.TopLeftHeading->pos(), QPoint(8, 8));
    EXPECT_EQ(form.TopLeftHeading->text(),
              QString::fromUtf8("◎左上の受験票の印字位置を調整します。"));
    EXPECT_EQ(form.LeftHint->text(), QString::fromUtf8("文字を左へずらす時は負数を"));
    EXPECT_EQ(form.HeightHint->text(), QString::fromUtf8("文字を上にずらすときは負数を"));
    EXPECT_EQ(form.LaterRowsHeading->pos(), QPoint(8, 128));
    EXPECT_EQ(form.HeightUpDown->Associate(), form.HeightEdit);
    EXPECT_EQ(form.LeftUpDown->Associate(), form.LeftEdit);
}

TEST_F(PrintPositionDialogTest, WithoutAMarginSectionEveryFieldShowsZero) {
    TPrintPositionDialog form;
    for (QLineEdit* edit : {form.LeftEdit, form.TopEdit, form.SpaceEdit, form.HeightEdit})
        EXPECT_EQ(edit->text(), QStringLiteral("0"));
}

TEST_F(PrintPositionDialogTest, ArrowKeysStepAndStopAtTheLimits) {
    TPrintPositionDialog form;
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(form.LeftEdit, Qt::Key_Up);
    EXPECT_EQ(form.LeftEdit->text(), QStringLiteral("10"));
    EXPECT_EQ(form.LeftUpDown->Position(), 10);
    for (int i = 0; i < 25; ++i)
        QTest::keyClick(form.LeftEdit, Qt::Key_Down);
    EXPECT_EQ(form.LeftEdit->text(), QStringLiteral("-10"));
    // Stepping starts from a number typed into the edit.
    form.TopEdit->setText(QStringLiteral("4"));
    QTest::keyClick(form.TopEdit, Qt::Key_Up);
    EXPECT_EQ(form.TopEdit->text(), QStringLiteral("5"));
}

TEST_F(PrintPositionDialogTest, OkStoresTheTextsAsTypedAndCloses) {
    TPrintPositionDialog form;
    form.show();
    form.LeftEdit->setText(QStringLiteral("15"));
    form.TopEdit->setText(QStringLiteral("-3"));
    form.SpaceEdit->setText(QStringLiteral("abc"));
    form.HeightEdit->setText(QStringLiteral(" 2"));
    form.OkButton->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Stored(kKeyLeft), "15");
    EXPECT_EQ(Stored(kKeyTop), "-3");
    EXPECT_EQ(Stored(kKeySpace), "abc");
    EXPECT_EQ(OpenSettings().ReadInteger(kSectionMargin, kKeySpace, 99), 99);

    TPrintPositionDialog next; // letters come back as 0; values beyond the arrows' range as stored
    EXPECT_EQ(next.LeftEdit->text(), QStringLiteral("15"));
    EXPECT_EQ(next.TopEdit->text(), QStringLiteral("-3"));
    EXPECT_EQ(next.SpaceEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(next.HeightEdit->text(), QStringLiteral("2"));
    QTest::keyClick(next.LeftEdit, Qt::Key_Down);
    EXPECT_EQ(next.LeftEdit->text(), QStringLiteral("10"));
}

TEST_F(PrintPositionDialogTest, ClosingWithoutOkOrPressingEscapeStoresNothing) {
    TPrintPositionDialog form;
    form.show();
    form.LeftEdit->setText(QStringLiteral("7"));
    QTest::keyClick(form.LeftEdit, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible()); // no cancel button: Escape does not close
    form.close();
    EXPECT_FALSE(std::filesystem::exists(dir.File("zel.ini")));
}

TEST_F(PrintPositionDialogTest, AFailedWriteKeepsTheDialogOpen) {
    test::TMessageBoxSpy box;
    TPrintPositionDialog form;
    form.show();
    std::filesystem::create_directory(dir.File("zel.ini"));
    form.OkButton->click();
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].caption, "Zelmark");
    form.close();
}

} // namespace
} // namespace zel::app
