// The run among windows: previews that stay open while the main window
// starts another, closings that name their report printer, cancelling,
// re-entry, failures inside the run and the print setup.

#include "output/report_window_classes.h"
#include "platform/printers.h"
#include "tests/report/report_run_test_support.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace zel::test {
namespace {

// What a preview window does when the operator closes it.
void ClosePreview(TQRPrinter& printer) {
    printer.SetShowingPreview(false);
    printer.NotifyPreviewClosed();
}

TEST(ReportRunWindows, TwoPreviewsKeepTheirOwnPrintersAndClosingOneReleasesOnlyIt) {
    TRunReport run(11);
    // The operator's actions arrive from the event loop while Preview waits.
    platform::TNotificationTarget window;
    std::vector<TQRPrinter*> shown;
    int afterPreview = 0;
    run.report.AfterPreview = [&](TQRComponent& sender) {
        EXPECT_EQ(&sender, &run.report);
        ++afterPreview;
    };
    // Window events wait for the run in progress, as they do while it lets
    // messages run: an action posted meanwhile is posted again.
    std::function<void()> printAgain, closeFirst;
    printAgain = [&] {
        if (!run.report.Idle())
            return platform::PostCall(window, printAgain);
        run.given = 0;
        run.records = 3;
        run.report.Preview();
    };
    closeFirst = [&] {
        if (!run.report.Idle())
            return platform::PostCall(window, closeFirst);
        ClosePreview(*shown[0]);
        ASSERT_EQ(run.report.QRPrinter(), shown[1]);
        EXPECT_EQ(shown[1]->PageCount(), 1);
        platform::PostCall(window, [&] { ClosePreview(*shown[1]); });
    };
    run.report.OnPreview = [&](TQRPrinter& printer) {
        printer.PrinterSettings().SetDevice(&run.device);
        printer.SetShowingPreview(true);
        shown.push_back(&printer);
        // While the first preview is open the operator prints again; then
        // the first preview closes while the second stays open.
        platform::PostCall(window, shown.size() == 1 ? printAgain : closeFirst);
    };
    run.report.Preview();
    EXPECT_EQ(std::pair(shown.size(), afterPreview), std::pair(std::size_t{2}, 2));
    EXPECT_EQ(run.report.QRPrinter(), nullptr);
    EXPECT_TRUE(run.report.Idle());
}

// Closing the preview also releases the printer, the last page left
// unclosed; the printer's cancel flag keeps the pages.
// Preview waits for its window asleep: while the window stays open and
// nothing happens, the event loop does not wake.
TEST(ReportRunWindows, AnIdlePreviewCostsNoWakeUps) {
    TRunReport run(3);
    int wakeUps = 0;
    QObject counter;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                     &counter, [&] { ++wakeUps; });
    QTimer closeLater;
    closeLater.setSingleShot(true);
    run.report.OnPreview = [&](TQRPrinter& printer) {
        printer.PrinterSettings().SetDevice(&run.device);
        printer.SetShowingPreview(true);
        QObject::connect(&closeLater, &QTimer::timeout, [&printer] { ClosePreview(printer); });
        closeLater.start(500);
        wakeUps = 0;
    };
    run.report.Preview();
    EXPECT_FALSE(closeLater.isActive()) << "Preview returned when its window closed";
    EXPECT_LT(wakeUps, 10) << "half a second of an open preview";
}

// The application ending ends the wait, even with the window still open.
TEST(ReportRunWindows, APreviewStillOpenDoesNotHoldTheApplicationsEnd) {
    TRunReport run(3);
    run.report.OnPreview = [&](TQRPrinter& printer) {
        printer.PrinterSettings().SetDevice(&run.device);
        printer.SetShowingPreview(true);
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    };
    bool returned = false;
    // Preview runs from the application's loop, as from a button.
    QTimer::singleShot(0, [&] {
        run.report.Preview();
        returned = true;
    });
    QTimer neverEnding; // a wait that would not end
    neverEnding.setSingleShot(true);
    QObject::connect(&neverEnding, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    neverEnding.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(returned);
    ASSERT_NE(run.report.QRPrinter(), nullptr);
    EXPECT_TRUE(run.report.QRPrinter()->ShowingPreview());
    ClosePreview(*run.report.QRPrinter());
}

TEST(ReportRunWindows, ClosingThePreviewOrCancellingThePrinterStopsTheRunAtTheNextRecord) {
    for (const bool close : {true, false}) {
        SCOPED_TRACE(close ? "preview closed" : "printer cancelled");
        TRunReport run(30);
        if (close)
            run.report.OnPreview = [&](TQRPrinter& printer) {
                printer.PrinterSettings().SetDevice(&run.device);
                printer.SetShowingPreview(true);
            };
        int endPages = 0;
        run.report.OnEndPage = [&](TCustomPagettaRep&) { ++endPages; };
        run.onRecord = [&](int record) {
            if (record == 12 && close)
                ClosePreview(*run.report.QRPrinter());
            else if (record == 12)
                run.report.QRPrinter()->Cancel();
        };
        run.report.Preview();
        EXPECT_EQ(std::tuple(run.given, endPages, run.report.Cancelled(), run.report.Idle()),
                  std::tuple(12, close ? 1 : 2, close, true));
        const TQRPrinter* const printer = run.report.QRPrinter();
        EXPECT_EQ(printer == nullptr, close);
        if (printer) {
            EXPECT_EQ(std::pair(printer->Status(), printer->PageCount()),
                      std::pair(TQRPrinterStatus::Finished, 2));
        }
    }
}

TEST(ReportRunWindows, ARunInProgressIgnoresEveryNewStartAndAVetoedRunBeginsNoDocument) {
    TRunReport run(3);
    int starts = 0;
    run.report.BeforePrint = [&](TCustomPagettaRep&, bool&) { ++starts; };
    run.onRecord = [&](int record) {
        if (record == 2) {
            TQRPrinter* printer = run.report.QRPrinter();
            run.report.Preview();
            run.report.GenerateReport();
            run.report.Print();
            EXPECT_EQ(run.report.QRPrinter(), printer);
        }
    };
    run.report.Preview();
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(run.OfType(rbDetail).size(), 3u);

    run.asked = 0;
    run.report.BeforePrint = [](TCustomPagettaRep&, bool& print) { print = false; };
    run.report.Preview();
    EXPECT_EQ(run.asked, 0);
    ASSERT_NE(run.report.QRPrinter(), nullptr);
    EXPECT_EQ(run.report.QRPrinter()->Status(), TQRPrinterStatus::Ready);
}

TEST(ReportRunWindows, AFailingRecordSourceLeavesTheReportAsItWas) {
    TRunReport run(9);
    run.onRecord = [](int record) {
        if (record == 4)
            throw EListError("broken");
    };
    EXPECT_THROW(run.report.Preview(), EListError);
    EXPECT_TRUE(run.report.Idle());
    // Lengths set afterwards are millimetres again, as before the run.
    EXPECT_EQ(std::pair(run.report.Units(), run.detail->Size().Units()),
              std::pair(TQRUnit::MM, TQRUnit::MM));
    EXPECT_NE(run.report.QRPrinter()->Status(), TQRPrinterStatus::Busy);

    run.onRecord = nullptr;
    run.given = 0;
    run.printedBands.clear();
    run.report.Preview();
    EXPECT_EQ(run.OfType(rbDetail).size(), 9u);
}

TEST(ReportRunWindows, MarginsLeavingNoRoomAreResetInPairs) {
    TRunReport run(1);
    run.report.Page().SetUnits(TQRUnit::Native);
    run.report.Page().SetLeftMargin(1000);
    run.report.Page().SetRightMargin(900);
    run.report.Page().SetTopMargin(200);
    run.report.Page().SetBottomMargin(100);
    run.report.Preview();
    EXPECT_EQ(std::tuple(run.report.Page().LeftMargin(), run.report.Page().RightMargin(),
                         run.report.Page().BottomMargin()),
              std::tuple(0, 0, 100));
    EXPECT_EQ(run.OfType(rbDetail).at(0).Rect.Top, ScreenPixels(200));
}

TEST(ReportRunWindows, PrintSetupOffersTheFinishedPagesAndKeepsTheChoices) {
    if (platform::PrinterNames().empty())
        GTEST_SKIP() << "print setup needs an installed printer; none is";
    TRunReport run(31);
    run.report.Preview();
    ASSERT_EQ(run.report.QRPrinter()->PageCount(), 4);
    std::optional<TQRPrintSetupAnswer> answer;
    TQRPrintSetupRequest asked;
    SetQRPrintSetupDialog([&](const TQRPrintSetupRequest& request) {
        asked = request;
        return answer;
    });
    run.report.SetTag(5);
    run.report.PrintSetup();
    EXPECT_EQ(std::tuple(asked.FinishedPageCount, run.report.Tag(),
                         run.report.PrinterSettings().Copies()),
              std::tuple(4, 1, 1));

    answer = TQRPrintSetupAnswer{-1, 2, TPrinterOrientation::poPortrait, 2, 3};
    // Through the report printer, as the preview's button reaches it.
    run.report.QRPrinter()->OnPrintSetup(*run.report.QRPrinter());
    const auto& settings = run.report.PrinterSettings();
    EXPECT_EQ(
        std::tuple(run.report.Tag(), settings.Copies(), settings.FirstPage(), settings.LastPage()),
        std::tuple(0, 2, 2, 3));
    SetQRPrintSetupDialog(nullptr);
}

} // namespace
} // namespace zel::test
