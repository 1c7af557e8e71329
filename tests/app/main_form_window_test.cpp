#include "app/main_form.h"
#include "app/print_position_dialog.h"
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

class MainFormWindowTest : public testing::Test {
protected:
    test::TTempDir dir;
    test::TCurrentDirectory in{dir.Path()};
    TMainForm form;

    QRect InForm(QWidget* w) const { return QRect(w->mapTo(&form, QPoint(0, 0)), w->size()); }
};

TEST_F(MainFormWindowTest, TitleSizeAndBorder) {
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

TEST_F(MainFormWindowTest, BottomPanelControlsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(InForm(form.HeaderPanel), QRect(0, 125, 285, 110));
    // Inside the panel's one-pixel border.
    struct Placed {
        QWidget* widget;
        QRect rect;
    };
    for (const Placed& p :
         {Placed{form.SchoolNameLabel, {9, 134, 24, 17}}, Placed{form.EraLabel, {9, 166, 24, 17}},
          Placed{form.YearSuffixLabel, {73, 166, 24, 17}},
          Placed{form.SchoolNameEdit, {41, 134, 137, 20}}, Placed{form.YearEdit, {41, 166, 25, 20}},
          Placed{form.TermCombo, {105, 166, 57, 20}}, Placed{form.PasteButton, {195, 134, 75, 25}},
          Placed{form.PrintButton, {195, 166, 75, 25}},
          Placed{form.PrintPositionButton, {195, 198, 75, 25}}})
        EXPECT_EQ(InForm(p.widget), p.rect) << p.widget->metaObject()->className();
}

TEST_F(MainFormWindowTest, CaptionsTermsAndTheHintThatIsNeverShown) {
    EXPECT_EQ(form.SchoolNameLabel->text(), QString::fromUtf8("塾名"));
    EXPECT_EQ(form.EraLabel->text(), QString::fromUtf8("平成"));
    EXPECT_EQ(form.YearSuffixLabel->text(), QString::fromUtf8("年度"));
    EXPECT_EQ(form.PasteButton->text(), QString::fromUtf8("貼り付け"));
    EXPECT_EQ(form.PrintButton->text(), QString::fromUtf8("印刷"));
    EXPECT_EQ(form.PrintPositionButton->text(), QString::fromUtf8("印字位置"));
    ASSERT_EQ(form.TermCombo->count(), 3);
    EXPECT_EQ(form.TermCombo->itemText(0), QString::fromUtf8("夏期"));
    EXPECT_EQ(form.TermCombo->itemText(1), QString::fromUtf8("秋期"));
    EXPECT_EQ(form.TermCombo->itemText(2), QString::fromUtf8("冬期"));
    EXPECT_EQ(form.TermCombo->currentIndex(), -1);
    EXPECT_FALSE(form.TermCombo->isEditable());
    EXPECT_TRUE(form.SchoolNameEdit->toolTip().isEmpty());
    EXPECT_TRUE(form.SchoolNameEdit->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(form.YearEdit->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(MainFormWindowTest, TabOrderInTheBottomPanel) {
    const std::vector<QWidget*> expected = {
        form.ExamineeGrid, form.PasteButton, form.PrintButton,        form.SchoolNameEdit,
        form.TermCombo,    form.YearEdit,    form.PrintPositionButton};
    for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
        QWidget* next = expected[i]->nextInFocusChain();
        while (next != nullptr && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, expected[i + 1]) << i;
    }
}

TEST_F(MainFormWindowTest, PrintWithoutATermAsksForOneAndDoesNothingElse) {
    test::TMessageBoxSpy box;
    form.PrintButton->click();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].text), "模試の種類を選んでください。");
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].caption), "エラー");
    EXPECT_EQ(box.shown[0].type, TMsgDlgType::mtError);
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
