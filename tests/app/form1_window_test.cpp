#include "app/form1.h"
#include "app/form3.h"
#include "grid/string_grid.h"
#include "platform/cp932.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/temp_dir.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace zel::app {
namespace {

class Form1WindowTest : public testing::Test {
protected:
    test::TTempDir dir;
    test::TCurrentDirectory in{dir.Path()};
    TForm1 form;

    QRect InForm(QWidget* w) const { return QRect(w->mapTo(&form, QPoint(0, 0)), w->size()); }
};

TEST_F(Form1WindowTest, TitleSizeAndBorder) {
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Zelmark四号"));
    EXPECT_EQ(form.size(), QSize(285, 235));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()); // cannot be resized
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.font().family(), QString::fromUtf8("ＭＳ Ｐゴシック"));
    EXPECT_EQ(form.font().pixelSize(), 12);
}

TEST_F(Form1WindowTest, BottomPanelControlsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(InForm(form.Panel1), QRect(0, 125, 285, 110));
    // Inside the panel's one-pixel border.
    struct Placed {
        QWidget* widget;
        QRect rect;
    };
    for (const Placed& p :
         {Placed{form.Label1, {9, 134, 24, 17}}, Placed{form.Label2, {9, 166, 24, 17}},
          Placed{form.Label3, {73, 166, 24, 17}}, Placed{form.Edit1, {41, 134, 137, 20}},
          Placed{form.Edit2, {41, 166, 25, 20}}, Placed{form.ComboBox1, {105, 166, 57, 20}},
          Placed{form.Button1, {195, 134, 75, 25}}, Placed{form.Button2, {195, 166, 75, 25}},
          Placed{form.Button3, {195, 198, 75, 25}}})
        EXPECT_EQ(InForm(p.widget), p.rect) << p.widget->metaObject()->className();
}

TEST_F(Form1WindowTest, CaptionsTermsAndTheHintThatIsNeverShown) {
    EXPECT_EQ(form.Label1->text(), QString::fromUtf8("塾名"));
    EXPECT_EQ(form.Label2->text(), QString::fromUtf8("平成"));
    EXPECT_EQ(form.Label3->text(), QString::fromUtf8("年度"));
    EXPECT_EQ(form.Button1->text(), QString::fromUtf8("貼り付け"));
    EXPECT_EQ(form.Button2->text(), QString::fromUtf8("印刷"));
    EXPECT_EQ(form.Button3->text(), QString::fromUtf8("印字位置"));
    ASSERT_EQ(form.ComboBox1->count(), 3);
    EXPECT_EQ(form.ComboBox1->itemText(0), QString::fromUtf8("夏期"));
    EXPECT_EQ(form.ComboBox1->itemText(1), QString::fromUtf8("秋期"));
    EXPECT_EQ(form.ComboBox1->itemText(2), QString::fromUtf8("冬期"));
    EXPECT_EQ(form.ComboBox1->currentIndex(), -1);
    EXPECT_FALSE(form.ComboBox1->isEditable());
    EXPECT_TRUE(form.Edit1->toolTip().isEmpty());
    EXPECT_TRUE(form.Edit1->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(form.Edit2->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(Form1WindowTest, TabOrderInTheBottomPanel) {
    const std::vector<QWidget*> expected = {form.MOStringGrid1, form.Button1,   form.Button2,
                                            form.Edit1,         form.ComboBox1, form.Edit2,
                                            form.Button3};
    for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
        QWidget* next = expected[i]->nextInFocusChain();
        while (next != nullptr && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, expected[i + 1]) << i;
    }
}

TEST_F(Form1WindowTest, PrintWithoutATermAsksForOneAndDoesNothingElse) {
    test::TMessageBoxSpy box;
    form.Button2->click();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].text), "模試の種類を選んでください。");
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].caption), "エラー");
    EXPECT_EQ(box.shown[0].type, TMsgDlgType::mtError);
}

TEST_F(Form1WindowTest, PrintPositionButtonOpensANewModalDialogEachTime) {
    std::vector<TForm3*> seen;
    for (int press = 0; press < 2; ++press) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TForm3*>(QApplication::activeModalWidget());
            seen.push_back(dialog);
            if (dialog != nullptr)
                dialog->close();
        });
        form.Button3->click();
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NE(seen[0], nullptr);
    EXPECT_NE(seen[1], nullptr);
}

} // namespace
} // namespace zel::app
