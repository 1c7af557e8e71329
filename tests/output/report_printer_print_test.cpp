// The report printer on the CUPS queue scripts/test sets up: pages of a
// run, and pages of a loaded file, end up in the queue's PDF.

#include "output/report_printer.h"
#include "platform/cp932.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/support/print_queue.h"
#include "tests/support/temp_dir.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

namespace zel {
namespace {

void DrawPageText(TQRPrinter& printer, const std::string& text) {
    platform::TCanvas& canvas = *printer.Canvas();
    canvas.SetFont({"Arial", 0, 14, 0, platform::kDefaultCharset, platform::kBlack});
    canvas.SetBkMode(platform::TBkMode::Transparent);
    canvas.TextOut(printer.XPos(200), printer.YPos(300), text);
}

// A printer on the test queue, B5 portrait.
void UseTestQueue(TQRPrinter& printer, const test::TTestQueue& queue) {
    printer.SetPrinterIndex(queue.Index);
    ASSERT_EQ(printer.DevicePrinter().DeviceName(), queue.Name);
    printer.SetPaperSize(TQRPaperSize::B5);
    ASSERT_EQ(printer.PaperSize(), TQRPaperSize::B5);
}

TEST(ReportPrinterJob, ARangeOfTwoPagesOfFiveGivesATwoPagePdf) {
    REQUIRE_TEST_QUEUE(queue);
    TQRPrinter printer;
    ASSERT_TRUE(printer.PrinterOK());
    UseTestQueue(printer, *queue);
    const std::string title = test::JobTitle("range");
    printer.SetTitle(title);
    printer.SetDestination(TQRPrinterDestination::Printer);
    printer.SetFirstPage(2);
    printer.SetLastPage(3);
    int afterPrint = 0;
    printer.AfterPrint = [&](TQRPrinter&) { ++afterPrint; };

    printer.BeginDoc();
    EXPECT_EQ(printer.XFactor(), printer.PrinterSettings().PixelsPerX() / 254.0L);
    for (int page = 1; page <= 5; ++page) {
        printer.NewPage();
        const bool inRange = page == 2 || page == 3;
        EXPECT_EQ(printer.DevicePrinter().Printing(), page >= 2) << page;
        EXPECT_EQ(printer.Canvas() == printer.DevicePrinter().Canvas(), inRange) << page;
        DrawPageText(printer, "Report page " + std::to_string(page));
    }
    printer.EndDoc();
    EXPECT_EQ(afterPrint, 1);
    EXPECT_FALSE(printer.DevicePrinter().Printing());

    const QString pdf = test::WaitForPdf(queue->OutputFolder, title);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF in " << queue->OutputFolder.toStdString();
    EXPECT_EQ(test::PdfPageCount(pdf), 2);
    const QString text = test::RunTool("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.contains("Report page 2")) << text.toStdString();
    EXPECT_TRUE(text.contains("Report page 3")) << text.toStdString();
    for (const char* outside : {"Report page 1", "Report page 4", "Report page 5"})
        EXPECT_FALSE(text.contains(outside)) << outside;
    QFile::remove(pdf);
}

// Records `pages` B5 pages and saves them.
std::string SavedPages(const test::TTempDir& dir, int pages) {
    test::TAcceptingDevice device;
    TQRPrinter printer;
    printer.PrinterSettings().SetDevice(&device);
    printer.SetPaperSize(TQRPaperSize::B5);
    printer.BeginDoc();
    for (int page = 1; page <= pages; ++page) {
        printer.NewPage();
        DrawPageText(printer, "Saved page " + std::to_string(page));
    }
    printer.EndDoc();
    const std::string file = dir.File("saved.qrp");
    printer.Save(file);
    return file;
}

TEST(ReportPrinterJob, ALoadedFilePlaysItsRangeBackToThePrinter) {
    REQUIRE_TEST_QUEUE(queue);
    const test::TTempDir dir;
    TQRPrinter printer;
    UseTestQueue(printer, *queue);
    printer.Load(SavedPages(dir, 4));
    const std::string title = test::JobTitle("playback");
    printer.SetTitle(title);
    printer.SetFirstPage(2);
    printer.SetLastPage(3);
    // A loaded file is played back even with a report as master.
    test::TMasterLog master;
    printer.SetMaster(&master);
    printer.Print();
    EXPECT_FALSE(printer.DevicePrinter().Printing());

    const QString pdf = test::WaitForPdf(queue->OutputFolder, title);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(test::PdfPageCount(pdf), 2);
    const QString text = test::RunTool("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.contains("Saved page 2")) << text.toStdString();
    EXPECT_TRUE(text.contains("Saved page 3")) << text.toStdString();
    EXPECT_FALSE(text.contains("Saved page 4")) << text.toStdString();
    platform::ProcessPendingMessages();
    EXPECT_EQ(master.PrintRequests, 0);
    QFile::remove(pdf);
}

TEST(ReportPrinterJob, CancelDuringPlaybackDiscardsTheJob) {
    REQUIRE_TEST_QUEUE(queue);
    const test::TTempDir dir;
    TQRPrinter printer;
    UseTestQueue(printer, *queue);
    printer.Load(SavedPages(dir, 3));
    // The progress window's Cancel button, pressed while pages go out.
    platform::TNotificationTarget progressWindow;
    platform::PostCall(progressWindow, [&] { printer.Cancel(); });
    const std::string cancelled = test::JobTitle("cancelled");
    printer.SetTitle(cancelled);
    printer.Print();
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_FALSE(printer.DevicePrinter().Printing());

    // A cancel earlier does not stop the next playback; and the spooler
    // takes jobs in order, so once this one is out the other would be too.
    const std::string next = test::JobTitle("after-cancel");
    printer.SetTitle(next);
    printer.Print();
    const QString pdf = test::WaitForPdf(queue->OutputFolder, next);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(test::PdfPageCount(pdf), 3);
    EXPECT_EQ(test::PdfsOf(queue->OutputFolder, cancelled), QStringList());
    QFile::remove(pdf);
}

} // namespace
} // namespace zel
