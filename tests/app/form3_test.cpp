#include "app/form3.h"
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

class Form3Test : public testing::Test {
protected:
    test::TTempDir dir;
    test::TCurrentDirectory in{dir.Path()};

    std::string Stored(const char* key) {
        return OpenSettings().ReadString(kSectionMargin, key, "<absent>");
    }
};

TEST_F(Form3Test, LayoutOfTheDialog) {
    TForm3 form;
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("印字位置調整"));
    EXPECT_EQ(form.size(), QSize(316, 213));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form.Edit1->geometry(), QRect(24, 24, 25, 20));
    EXPECT_EQ(form.Edit2->geometry(), QRect(24, 48, 25, 20));
    EXPECT_EQ(form.Edit3->geometry(), QRect(24, 96, 25, 20));
    EXPECT_EQ(form.Edit4->geometry(), QRect(24, 144, 25, 20));
    EXPECT_EQ(form.UpDown3->geometry(), QRect(49, 24, 15, 20));
    EXPECT_EQ(form.UpDown4->geometry(), QRect(49, 48, 15, 20));
    EXPECT_EQ(form.UpDown2->geometry(), QRect(49, 96, 15, 20));
    EXPECT_EQ(form.UpDown1->geometry(), QRect(49, 144, 15, 20));
    EXPECT_EQ(form.Button1->geometry(), QRect(120, 176, 75, 25));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("O.K."));
    EXPECT_FALSE(form.Button1->isDefault());
    EXPECT_EQ(form.Label5->pos(), QPoint(8, 8));
    EXPECT_EQ(form.Label5->text(), QString::fromUtf8("◎左上の受験票の印字位置を調整します。"));
    EXPECT_EQ(form.Label3->text(), QString::fromUtf8("文字を左へずらす時は負数を"));
    EXPECT_EQ(form.Label9->text(), QString::fromUtf8("文字を上にずらすときは負数を"));
    EXPECT_EQ(form.Label8->pos(), QPoint(8, 128));
    EXPECT_EQ(form.UpDown1->Associate(), form.Edit4);
    EXPECT_EQ(form.UpDown3->Associate(), form.Edit1);
}

TEST_F(Form3Test, WithoutAMarginSectionEveryFieldShowsZero) {
    TForm3 form;
    for (QLineEdit* edit : {form.Edit1, form.Edit2, form.Edit3, form.Edit4})
        EXPECT_EQ(edit->text(), QStringLiteral("0"));
}

TEST_F(Form3Test, ArrowKeysStepAndStopAtTheLimits) {
    TForm3 form;
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(form.Edit1, Qt::Key_Up);
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("10"));
    EXPECT_EQ(form.UpDown3->Position(), 10);
    for (int i = 0; i < 25; ++i)
        QTest::keyClick(form.Edit1, Qt::Key_Down);
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("-10"));
    // Stepping starts from a number typed into the edit.
    form.Edit2->setText(QStringLiteral("4"));
    QTest::keyClick(form.Edit2, Qt::Key_Up);
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("5"));
}

TEST_F(Form3Test, OkStoresTheTextsAsTypedAndCloses) {
    TForm3 form;
    form.show();
    form.Edit1->setText(QStringLiteral("15"));
    form.Edit2->setText(QStringLiteral("-3"));
    form.Edit3->setText(QStringLiteral("abc"));
    form.Edit4->setText(QStringLiteral(" 2"));
    form.Button1->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Stored(kKeyLeft), "15");
    EXPECT_EQ(Stored(kKeyTop), "-3");
    EXPECT_EQ(Stored(kKeySpace), "abc");
    EXPECT_EQ(OpenSettings().ReadInteger(kSectionMargin, kKeySpace, 99), 99);

    TForm3 next; // letters come back as 0; values beyond the arrows' range as stored
    EXPECT_EQ(next.Edit1->text(), QStringLiteral("15"));
    EXPECT_EQ(next.Edit2->text(), QStringLiteral("-3"));
    EXPECT_EQ(next.Edit3->text(), QStringLiteral("0"));
    EXPECT_EQ(next.Edit4->text(), QStringLiteral("2"));
    QTest::keyClick(next.Edit1, Qt::Key_Down);
    EXPECT_EQ(next.Edit1->text(), QStringLiteral("10"));
}

TEST_F(Form3Test, ClosingWithoutOkOrPressingEscapeStoresNothing) {
    TForm3 form;
    form.show();
    form.Edit1->setText(QStringLiteral("7"));
    QTest::keyClick(form.Edit1, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible()); // no cancel button: Escape does not close
    form.close();
    EXPECT_FALSE(std::filesystem::exists(dir.File("zel.ini")));
}

TEST_F(Form3Test, AFailedWriteKeepsTheDialogOpen) {
    test::TMessageBoxSpy box;
    TForm3 form;
    form.show();
    std::filesystem::create_directory(dir.File("zel.ini"));
    form.Button1->click();
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].caption, "Zelmark");
    form.close();
}

} // namespace
} // namespace zel::app
