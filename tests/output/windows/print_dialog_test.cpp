#include "output/windows/print_setup.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(PrintDialog, SitsCentredAcrossAndAThirdOfTheWayDown) {
    struct Case {
        QRect screen;
        QSize dialog;
        QPoint at;
    };
    const Case cases[] = {
        {QRect(0, 0, 1280, 1024), QSize(400, 300), QPoint(440, 241)},
        // Halves are dropped, as whole-pixel division does.
        {QRect(0, 0, 1280, 1024), QSize(401, 301), QPoint(439, 241)},
        {QRect(1280, 0, 1024, 768), QSize(500, 400), QPoint(1280 + 262, 122)},
        // A dialog larger than the screen goes above and left of it.
        {QRect(0, 0, 640, 480), QSize(700, 600), QPoint(-30, -40)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredDialogPosition(c.screen, c.dialog), c.at) << c.dialog.width();
}

TEST(PrintSetup, OffersTheFinishedPreviewsPagesOrAnyPage) {
    struct Case {
        int finished;
        int minPage, maxPage, fromPage, toPage;
    };
    for (const Case& c : {Case{7, 1, 7, 1, 7}, Case{0, 0, 9999, 0, 0}}) {
        SCOPED_TRACE(c.finished);
        platform::TPrinter printer;
        TQRPrintDialog dialog;
        dialog.SetPrinter(printer);
        PreparePrintSetup(dialog, {-1, 2, TPrinterOrientation::poLandscape, c.finished});
        EXPECT_EQ(dialog.MinPage(), c.minPage);
        EXPECT_EQ(dialog.MaxPage(), c.maxPage);
        EXPECT_EQ(dialog.FromPage(), c.fromPage);
        EXPECT_EQ(dialog.ToPage(), c.toPage);
        EXPECT_EQ(dialog.Options(), poPageNums | poWarning);
        EXPECT_EQ(dialog.Copies(), 2);
        EXPECT_EQ(printer.DeviceSettings().Copies, 2);
        EXPECT_EQ(printer.DeviceSettings().Orientation, platform::kOrientationLandscape);
    }
}

TEST(PrintSetup, TheAnswerGivesTheReportItsRangeCopiesAndOrientation) {
    const TPrintDialogAnswer twoToThree = {.PrinterName = {},
                                           .Copies = 2,
                                           .Orientation = platform::kOrientationLandscape,
                                           .PrintRange = TPrintRange::prPageNums,
                                           .FromPage = 2,
                                           .ToPage = 3};
    TPrintDialogAnswer selection = twoToThree;
    selection.PrintRange = TPrintRange::prSelection;
    const int index = platform::DefaultPrinterIndex();
    const struct {
        const char* name;
        TPrintDialogAnswer answer;
        TQRPrintSetupAnswer expected;
    } cases[] = {
        // One copy in the answer takes the printer's own count: 4 here.
        {"all pages",
         {.PrinterName = {},
          .Copies = 1,
          .PrintRange = TPrintRange::prAllPages,
          .FromPage = 1,
          .ToPage = 7},
         {index, 4, TPrinterOrientation::poPortrait, 0, 0}},
        {"pages 2 to 3", twoToThree, {index, 2, TPrinterOrientation::poLandscape, 2, 3}},
        {"selection", selection, {index, 2, TPrinterOrientation::poLandscape, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::TPrinter printer;
        TQRPrintDialog dialog;
        dialog.SetPrinter(printer);
        PreparePrintSetup(dialog, {-1, 4, TPrinterOrientation::poPortrait, 7});
        dialog.ApplyAnswer(c.answer);
        EXPECT_EQ(PrintSetupAnswer(dialog), c.expected);
        EXPECT_EQ(printer.DeviceSettings().Copies, c.expected.Copies);
    }
}

// Runs the real dialog twice, answering it from inside once it is up:
// cancelled first, then confirmed.
TEST(PrintDialogRun, ACancelledDialogChangesNothingAndAConfirmedOneFillsTheProperties) {
    platform::TPrinter printer;
    TQRPrintDialog dialog;
    dialog.SetPrinter(printer);
    PreparePrintSetup(dialog, {-1, 3, TPrinterOrientation::poPortrait, 7});
    int shown = 0;
    int closed = 0;
    dialog.OnShow = [&](TQRPrintDialog&) { ++shown; };
    dialog.OnClose = [&](TQRPrintDialog&) { ++closed; };
    QPoint shownAt;
    QSize shownSize;
    const auto answerWhenShown = [&](std::function<void(QPrintDialog&)> answer) {
        QTimer::singleShot(0, [&shownAt, &shownSize, answer] {
            auto* up = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(up, nullptr);
            shownAt = up->pos();
            shownSize = up->frameGeometry().size();
            answer(*up);
        });
    };

    answerWhenShown([](QPrintDialog& d) {
        d.printer()->setCopyCount(9);
        d.reject();
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Copies(), 3);
    EXPECT_EQ(dialog.FromPage(), 1);
    EXPECT_EQ(dialog.ToPage(), 7);
    EXPECT_EQ(printer.DeviceSettings().Copies, 3);

    answerWhenShown([](QPrintDialog& d) {
        // Offered as prepared.
        EXPECT_EQ(d.minPage(), 1);
        EXPECT_EQ(d.maxPage(), 7);
        EXPECT_EQ(d.printer()->fromPage(), 1);
        EXPECT_EQ(d.printer()->toPage(), 7);
        EXPECT_TRUE(d.testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_FALSE(d.testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_FALSE(d.testOption(QAbstractPrintDialog::PrintToFile));
        d.printer()->setPrintRange(QPrinter::PageRange);
        d.printer()->setFromTo(2, 3);
        d.printer()->setCopyCount(2);
        d.done(QDialog::Accepted);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(closed, 2);
    EXPECT_EQ(shownAt, CentredDialogPosition(QApplication::primaryScreen()->geometry(), shownSize));
    EXPECT_EQ(dialog.PrintRange(), TPrintRange::prPageNums);
    const TQRPrintSetupAnswer answer = PrintSetupAnswer(dialog);
    EXPECT_EQ(answer.FirstPage, 2);
    EXPECT_EQ(answer.LastPage, 3);
    EXPECT_EQ(answer.Copies, 2);
}

} // namespace
} // namespace zel
