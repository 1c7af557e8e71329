#include "app/ticket_report_grid_examinees.h"
#include "output/report_window_classes.h"
#include "tests/app/app_test_fixture.h"
#include "tests/app/ticket_report_test_support.h"

#include <QApplication>
#include <QTimer>
#include <optional>

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

    // `rows` examinees and a term; the school name `school`.
    void FillRows(int rows, const char* school) {
        form.SchoolNameEdit->setText(QString::fromUtf8(school));
        form.TermCombo->setCurrentIndex(0);
        grid.SetRowCount(rows + 1);
        for (int row = 1; row <= rows; ++row)
            SetRow(row, "1", "N", "V");
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
    // The seventh digit has no box: the look before printing says so, and the operator goes on.
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

// 印刷 pressed again while a run lets events run: the run keeps its captions
// and offsets, and the operator is told.
TEST_F(MainFormPrintTest, APrintRequestDuringARunLeavesTheRunAlone) {
    FillRows(30, "A"); // three pages
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
    EXPECT_EQ(pages.Texts("A").size(), 30u);
    const auto names = pages.Texts("N"); // the right column's first, pages 1 and 3
    ASSERT_EQ(names.size(), 30u);
    EXPECT_EQ(names[25].At, names[5].At);
}

// The operator answers the printer setup while a run goes (from a preview
// that stays open, or another one): the run is not disturbed, and the
// dialog waits for its end.
TEST_F(MainFormPrintTest, PrinterSetupDuringARunIsRefusedAndTheRunGoesOn) {
    FillRows(30, "A"); // three pages
    int dialogs = 0;
    SetQRPrintSetupDialog([&](const TQRPrintSetupRequest&) {
        ++dialogs;
        return std::optional<TQRPrintSetupAnswer>(); // cancelled
    });
    report.OnEndPage = [&](TCustomPagettaRep& sender) {
        if (sender.PageNumber() == 1)
            report.PrintSetup();
    };
    form.PrintButton->click();
    SetQRPrintSetupDialog({});
    EXPECT_EQ(dialogs, 0);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].text), "印刷中です。終わってからもう一度押してください。");
    EXPECT_EQ(pages.PageCount(), 3);
    EXPECT_EQ(pages.Texts("N").size(), 30u) << "each examinee once";
}

// A paste or an edit while a run goes changes the list, not the run.
TEST_F(MainFormPrintTest, TheRunPrintsTheListAsItWasWhenItStarted) {
    FillRows(30, "A");
    report.OnEndPage = [&](TCustomPagettaRep& sender) {
        if (sender.PageNumber() != 1)
            return;
        grid.SetRowCount(41);
        for (int row = 1; row <= 40; ++row)
            SetRow(row, "9", "X", "W");
    };
    form.PrintButton->click();
    EXPECT_EQ(pages.PageCount(), 3);
    EXPECT_EQ(pages.Texts("N").size(), 30u);
    EXPECT_TRUE(pages.Texts("X").empty());
}

// "いいえ" to the look before printing: the report keeps the captions and
// offsets of the preview still open, which prints what it shows.
TEST_F(MainFormPrintTest, ADeclinedPrintLeavesTheReportAsTheOpenPreviewShowsIt) {
    FillRows(2, "A");
    form.PrintButton->click();
    ASSERT_EQ(pages.Texts("A").size(), 2u);
    const int nameTop = report.NameLabel->Top();
    const int bandHeight = report.TicketBand->Height();

    form.SchoolNameEdit->setText(QStringLiteral("B"));
    OpenSettings().WriteString(kSectionMargin, kKeyTop, "20");
    OpenSettings().WriteString(kSectionMargin, kKeyHeight, "9");
    SetRow(1, "", "", ""); // an empty row: a finding
    box.answer = false;
    form.PrintButton->click();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(report.SchoolNameLabel->Caption(), "A");
    EXPECT_EQ(report.NameLabel->Top(), nameTop);
    EXPECT_EQ(report.TicketBand->Height(), bandHeight);

    report.Preview(); // what the open preview's print runs
    EXPECT_TRUE(pages.Texts("B").empty());
    EXPECT_EQ(pages.Texts("A").size(), 2u);
}

// Closing the main window while a preview is being made: the settings are
// stored, the run stops, and the preview closes, so no window is left.
TEST_F(MainFormPrintTest, ClosingTheMainWindowStoresStopsTheRunAndClosesThePreview) {
    report.OnPreview = nullptr; // the standard preview window
    form.show();
    FillRows(500, "Z");
    int windowsLeft = -1;
    report.OnEndPage = [&](TCustomPagettaRep& sender) {
        if (sender.PageNumber() != 2 || !form.close())
            return;
        windowsLeft = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            windowsLeft += window->isVisible();
    };
    // Should the preview stay open, the request would wait for it forever.
    QTimer::singleShot(30000, [] { QApplication::closeAllWindows(); });
    form.PrintButton->click();
    EXPECT_EQ(windowsLeft, 0);
    EXPECT_TRUE(report.Cancelled());
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
