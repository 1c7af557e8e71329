#include "output/windows/print_setup.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTabWidget>
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

TEST(PrintSetup, OffersThePreviewsPagesAndAnswersWithRangeCopiesAndOrientation) {
    using O = TPrinterOrientation;
    const TPrintDialogAnswer all{.PrinterName = "", .FromPage = 1, .ToPage = 7};
    const TPrintDialogAnswer twoToThree{.PrinterName = "",
                                        .Copies = 2,
                                        .Orientation = platform::kOrientationLandscape,
                                        .Collate = true,
                                        .DefaultSource = 4, // the manual feed
                                        .PrintRange = TPrintRange::prPageNums,
                                        .FromPage = 2,
                                        .ToPage = 3};
    TPrintDialogAnswer selection = twoToThree;
    selection.PrintRange = TPrintRange::prSelection;
    const int index = platform::DefaultPrinterIndex();
    const struct {
        const char* name;
        int finished;
        std::vector<int> offered; // first, last, from and to page
        TPrintDialogAnswer answer;
        TQRPrintSetupAnswer expected;
    } cases[] = {
        // One copy answered is one copy printed, whatever the printer held.
        {"all pages", 7, {1, 7, 1, 7}, all, {index, 1, O::poPortrait, 0, 0}},
        {"pages 2 to 3",
         7,
         {1, 7, 1, 7},
         twoToThree,
         {index, 2, O::poLandscape, 2, 3, true, TQRBin::Manual}},
        {"selection, no preview",
         0,
         {0, 9999, 0, 0},
         selection,
         {index, 2, O::poLandscape, 0, 0, true, TQRBin::Manual}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::TPrinter printer;
        TQRPrintDialog dialog;
        dialog.SetPrinter(printer);
        PreparePrintSetup(dialog, {-1, 4, O::poLandscape, c.finished});
        EXPECT_EQ(
            (std::vector{dialog.MinPage(), dialog.MaxPage(), dialog.FromPage(), dialog.ToPage()}),
            c.offered);
        EXPECT_EQ(dialog.Options(), poPageNums | poWarning);
        EXPECT_EQ(printer.DeviceSettings().Copies, 4);
        EXPECT_EQ(printer.DeviceSettings().Orientation, platform::kOrientationLandscape);
        dialog.ApplyAnswer(c.answer);
        EXPECT_EQ(PrintSetupAnswer(dialog), c.expected);
        EXPECT_EQ(printer.DeviceSettings().Copies, c.expected.Copies);
    }
}

TEST(PrintDialogRun, ACancelledDialogChangesNothingAndAConfirmedOneFillsTheProperties) {
    platform::TPrinter printer;
    TQRPrintDialog dialog;
    dialog.SetPrinter(printer);
    PreparePrintSetup(dialog, {-1, 3, TPrinterOrientation::poPortrait, 7});
    int shown = 0, closed = 0;
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
    EXPECT_EQ(std::pair(dialog.Copies(), dialog.ToPage()), std::pair(3, 7));
    EXPECT_EQ(printer.DeviceSettings().Copies, 3);

    answerWhenShown([](QPrintDialog& d) {
        // Offered as prepared: first, last, from and to page.
        EXPECT_EQ(
            (std::vector{d.minPage(), d.maxPage(), d.printer()->fromPage(), d.printer()->toPage()}),
            (std::vector{1, 7, 1, 7}));
        EXPECT_TRUE(d.testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_FALSE(d.testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_FALSE(d.testOption(QAbstractPrintDialog::PrintToFile));
        // Only what a job is printed with is offered: no paper size or other properties, no
        // reversed order, page set or list of pages, no colour or two-sided options.
        for (const char* hidden :
             {"properties", "reverse", "pageSetCombo", "pagesRadioButton", "pagesLineEdit"})
            EXPECT_TRUE(d.findChild<QWidget*>(hidden)->isHidden()) << hidden;
        const auto* tabs = d.findChild<QTabWidget*>("tabs");
        EXPECT_EQ(tabs->indexOf(d.findChild<QWidget*>("optionsTab")), -1);
        EXPECT_FALSE(d.findChild<QWidget*>("collate")->isHidden());
        d.printer()->setCollateCopies(true);
        d.printer()->setPrintRange(QPrinter::PageRange);
        d.printer()->setFromTo(2, 3);
        d.printer()->setCopyCount(2);
        d.done(QDialog::Accepted);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(std::pair(shown, closed), std::pair(2, 2));
    EXPECT_EQ(shownAt, CentredDialogPosition(QApplication::primaryScreen()->geometry(), shownSize));
    EXPECT_EQ(dialog.PrintRange(), TPrintRange::prPageNums);
    const TQRPrintSetupAnswer answer = PrintSetupAnswer(dialog);
    EXPECT_EQ((std::vector{answer.FirstPage, answer.LastPage, answer.Copies}),
              (std::vector{2, 3, 2}));
    EXPECT_TRUE(answer.Collate);
}

} // namespace
} // namespace zel
