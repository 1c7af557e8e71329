#include "app/settings.h"
#include "app/ticket_report_grid_examinees.h"
#include "tests/app/app_test_fixture.h"
#include "tests/app/ticket_report_test_support.h"

#include <QApplication>
#include <QTimer>

namespace zel::app {
namespace {

// The main window with the ticket report made after it, as at start-up.
class MainFormPrintTest : public test::TMainFormTest {
protected:
    MainFormPrintTest() { form.SetTicketReport(&report); }

    void SetRow(int row, const char* number, const char* name, const char* venue) {
        grid.SetCells(0, row, cp932::FromUtf8(number));
        grid.SetCells(1, row, cp932::FromUtf8(name));
        grid.SetCells(2, row, cp932::FromUtf8(venue));
    }

    TGridExaminees examinees{grid};
    TTicketReport report{examinees};
    test::TTicketPages pages{report};
};

TEST_F(MainFormPrintTest, WithoutATermItAsksForOneAndChangesNothing) {
    report.NameLabel->SetTop(7);
    form.SchoolNameEdit->setText(QString::fromUtf8("ゼルマーク塾"));
    form.PrintButton->click();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].text), "模試の種類を選んでください。");
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].caption), "エラー");
    EXPECT_EQ(box.shown[0].type, TMsgDlgType::mtError);
    EXPECT_EQ(report.SchoolNameLabel->Caption(), cp932::FromUtf8("一二三四五六七八九十"));
    EXPECT_EQ(report.NameLabel->Top(), 7);
    EXPECT_EQ(report.QRPrinter(), nullptr);
}

TEST_F(MainFormPrintTest, PrintsTheListWithTheHeaderFieldsAndTheStoredOffsets) {
    OpenSettings().WriteString(kSectionMargin, kKeyTop, "10");
    OpenSettings().WriteString(kSectionMargin, kKeyLeft, "-10");
    form.SchoolNameEdit->setText(QString::fromUtf8("ゼルマーク塾"));
    form.YearEdit->setText(QStringLiteral("31"));
    form.TermCombo->setCurrentIndex(2);
    grid.SetRowCount(3);
    SetRow(1, "1234567", "山田　太郎", "本校");
    SetRow(2, "Ａ12", "佐藤　花子", "駅前校");
    // The seventh digit has no box: the look before printing says so, and
    // the operator goes on.
    box.answer = true;
    form.PrintButton->click();

    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].buttons, TMsgDlgButtons::mbYesNo);
    EXPECT_EQ(box.shown[0].detailUtf8, "1 行目: 受験番号が6桁を超えています");
    ASSERT_EQ(pages.PageCount(), 1);
    // In the band's order: school, the six boxes, name, venue, year, term.
    EXPECT_EQ(pages.Joined(), "ゼルマーク塾|1|2|3|4|5|6|山田　太郎|本校|31|冬期|"
                              "ゼルマーク塾|Ａ|1|2|佐藤　花子|駅前校|31|冬期");
}

TEST_F(MainFormPrintTest, WhatWouldPrintWrongStopsThePrintUnlessTheOperatorGoesOn) {
    form.TermCombo->setCurrentIndex(0);
    grid.SetRowCount(4);
    SetRow(1, "1", "山田　太郎", "本校");
    SetRow(3, "3", "佐藤　花子", "本校");
    form.PrintButton->click();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].detailUtf8, "2 行目: 空の行です (白紙の券になります)");
    EXPECT_EQ(report.QRPrinter(), nullptr);

    SetRow(2, "2", "鈴木　一郎", "本校");
    form.PrintButton->click();
    EXPECT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(pages.PageCount(), 1);
}

// Generation lets events run, so 印刷 can be pressed again meanwhile: the
// run in progress keeps its captions and offsets, and the operator is told.
TEST_F(MainFormPrintTest, APrintRequestDuringARunLeavesTheRunAlone) {
    form.SchoolNameEdit->setText(QStringLiteral("A"));
    form.TermCombo->setCurrentIndex(0);
    grid.SetRowCount(31); // three pages
    for (int row = 1; row < 31; ++row)
        SetRow(row, "1", "N", "V");
    report.OnEndPage = [&](TCustomPagettaRep& sender) {
        if (sender.PageNumber() != 1)
            return;
        form.SchoolNameEdit->setText(QStringLiteral("B"));
        OpenSettings().WriteString(kSectionMargin, kKeySpace, "9");
        form.PrintButton->click();
    };
    form.PrintButton->click();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].text), "印刷中です。終わってからもう一度押してください。");
    ASSERT_EQ(pages.PageCount(), 3);
    const auto schools = pages.Texts("A");
    EXPECT_EQ(schools.size(), 30u);
    // The right column's first name stands where it did on page 1.
    const auto names = pages.Texts("N");
    ASSERT_EQ(names.size(), 30u);
    EXPECT_EQ(names[25].At, names[5].At);
}

// Closing the main window while a preview is being made ends the program's
// work: the settings are stored, the run stops, and the preview closes, so
// the print request returns and the event loop is left with no window.
TEST_F(MainFormPrintTest, ClosingTheMainWindowStoresStopsTheRunAndClosesThePreview) {
    report.OnPreview = nullptr; // the standard preview window
    form.show();
    form.SchoolNameEdit->setText(QStringLiteral("Z"));
    form.TermCombo->setCurrentIndex(0);
    grid.SetRowCount(501);
    for (int row = 1; row < 501; ++row)
        SetRow(row, "1", "N", "V");
    int windowsLeft = -1;
    bool closed = false;
    report.OnEndPage = [&](TCustomPagettaRep& sender) {
        if (sender.PageNumber() != 2 || closed)
            return;
        closed = form.close();
        windowsLeft = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            windowsLeft += window->isVisible();
    };
    // Should the preview stay open, the request would wait for it forever.
    QTimer::singleShot(30000, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
    });
    form.PrintButton->click();
    EXPECT_TRUE(closed);
    EXPECT_EQ(windowsLeft, 0);
    EXPECT_TRUE(report.Idle());
    EXPECT_TRUE(report.Cancelled());
    EXPECT_EQ(report.QRPrinter(), nullptr);
    EXPECT_EQ(OpenSettings().ReadString(kSectionBasic, kKeyName, ""), "Z");
}

TEST_F(MainFormPrintTest, StartUpListPrintsOneTicketOfHeaderFieldsOnly) {
    form.SchoolNameEdit->setText(QString::fromUtf8("ゼルマーク塾"));
    form.YearEdit->clear(); // an empty year prints as an empty field
    form.TermCombo->setCurrentIndex(0);
    form.PrintButton->click();
    ASSERT_EQ(pages.PageCount(), 1);
    EXPECT_EQ(pages.Joined(), "ゼルマーク塾|夏期");
}

TEST_F(MainFormPrintTest, CaptionRowAloneBeginsNoPage) {
    grid.SetFixedRows(0);
    grid.SetRowCount(1);
    SetRow(0, "1", "見出し", "会場");
    form.TermCombo->setCurrentIndex(1);
    form.PrintButton->click();
    ASSERT_NE(report.QRPrinter(), nullptr);
    EXPECT_EQ(pages.PageCount(), 0);
}

} // namespace
} // namespace zel::app
