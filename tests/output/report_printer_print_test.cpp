#include "output/report_printer.h"
#include "platform/cp932.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/print_queue.h"
#include "tests/support/temp_dir.h"

#include <QFile>
#include <gtest/gtest.h>

namespace zel {
namespace {

void DrawPageText(TQRPrinter& printer, const std::string& text) {
    platform::TCanvas& canvas = *printer.Canvas();
    canvas.SetFont({"Arial", 0, 14, 0, platform::kDefaultCharset, platform::kBlack});
    canvas.SetBkMode(platform::TBkMode::Transparent);
    canvas.TextOut(printer.XPos(200), printer.YPos(300), text);
}

void UseTestQueue(TQRPrinter& printer, const test::TTestQueue& queue) {
    printer.SetPrinterIndex(queue.Index);
    ASSERT_EQ(printer.DevicePrinter().DeviceName(), queue.Name);
    printer.SetPaperSize(TQRPaperSize::B5);
    ASSERT_EQ(printer.PaperSize(), TQRPaperSize::B5);
}

// Which of the pages numbered 1 to `of` the job's PDF shows ("0110" for 2 and 3), once the queue
// has written it with `pages` pages; the PDF is removed.
std::string PagesInPdf(const test::TTestQueue& queue, const std::string& title, int pages,
                       const QString& prefix, int of) {
    const QString pdf = test::WaitForPdf(queue.OutputFolder, title);
    if (pdf.isEmpty())
        return "no PDF in " + queue.OutputFolder.toStdString();
    EXPECT_EQ(test::PdfPageCount(pdf), pages);
    const QString text = test::RunTool("pdftotext", {pdf, "-"});
    QFile::remove(pdf);
    std::string shown;
    for (int page = 1; page <= of; ++page)
        shown += text.contains(prefix + QString::number(page)) ? '1' : '0';
    return shown;
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
    for (int page = 1; page <= 5; ++page) {
        printer.NewPage();
        EXPECT_EQ(printer.Canvas() == printer.DevicePrinter().Canvas(), page == 2 || page == 3)
            << page;
        DrawPageText(printer, "Report page " + std::to_string(page));
    }
    printer.EndDoc();
    EXPECT_EQ(afterPrint, 1);

    EXPECT_EQ(PagesInPdf(*queue, title, 2, "Report page ", 5), "01100");
}

TEST(ReportPrinterJob, ALoadedFilePlaysItsRangeBackAndACancelDiscardsTheJob) {
    REQUIRE_TEST_QUEUE(queue);
    const test::TTempDir dir;
    const auto save = [&](const std::string& name, int pages) {
        test::TAcceptingDevice device;
        TQRPrinter recorder;
        recorder.PrinterSettings().SetDevice(&device);
        recorder.SetPaperSize(TQRPaperSize::B5);
        recorder.BeginDoc();
        for (int page = 1; page <= pages; ++page) {
            recorder.NewPage();
            DrawPageText(recorder, "Saved page " + std::to_string(page));
        }
        recorder.EndDoc();
        recorder.Save(dir.File(name));
        return dir.File(name);
    };
    const std::string file = save("saved.qrp", 4);
    TQRPrinter printer;
    UseTestQueue(printer, *queue);
    printer.Load(file);
    // A loaded file is played back even with a report as master.
    test::TMasterLog master;
    printer.SetMaster(&master);
    // The progress window's Cancel button, pressed while pages go out.
    platform::TNotificationTarget progressWindow;
    platform::PostCall(progressWindow, [&] { printer.Cancel(); });
    const std::string cancelled = test::JobTitle("cancelled");
    printer.SetTitle(cancelled);
    printer.Print();
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_FALSE(printer.DevicePrinter().Printing());

    // Print pressed again and the preview closed while pages go out: the
    // second press is ignored, the job is dropped, and the master, which
    // may free the printer, hears of the closing only once it is let go.
    platform::PostCall(progressWindow, [&] {
        printer.Print();
        printer.NotifyPreviewClosed();
    });
    bool heardWhilePrinting = false;
    master.OnPreviewClosed = [&](TQRPrinter& closed) {
        heardWhilePrinting = closed.DevicePrinter().Printing();
    };
    const std::string closed = test::JobTitle("closed");
    printer.SetTitle(closed);
    printer.Print();
    EXPECT_EQ(master.Closed, std::vector<TQRPrinter*>{&printer});
    EXPECT_FALSE(heardWhilePrinting);

    // A cancel earlier does not stop the next playback, nor does a file
    // loaded while pages go out change them; and the spooler takes jobs in
    // order, so once this one is out the other would be too.
    const std::string title = test::JobTitle("playback");
    printer.SetTitle(title);
    printer.SetFirstPage(2);
    printer.SetLastPage(3);
    const std::string other = save("other.qrp", 1);
    platform::PostCall(progressWindow, [&] { printer.Load(other); });
    printer.Print();
    EXPECT_EQ(PagesInPdf(*queue, title, 2, "Saved page ", 4), "0110");
    EXPECT_EQ(printer.PageCount(), 4);
    EXPECT_EQ(test::PdfsOf(queue->OutputFolder, cancelled), QStringList());
    EXPECT_EQ(test::PdfsOf(queue->OutputFolder, closed), QStringList());
    platform::ProcessPendingMessages();
    EXPECT_EQ(master.PrintRequests, 0);
}

// A paused queue takes the job and holds it; the operator hears of it
// rather than waiting at a silent printer.
TEST(ReportPrinterJob, AJobOnAPausedQueueIsToldToTheOperator) {
    REQUIRE_TEST_QUEUE(queue);
    const auto paused = test::PausedTestQueue();
    if (!paused)
        GTEST_SKIP() << "no paused queue: scripts/test sets ZELMARK_TEST_PAUSED_PRINTER";
    const test::TMessageBoxSpy spy;
    for (const auto* target : {&*queue, &*paused}) {
        TQRPrinter printer;
        UseTestQueue(printer, *target);
        printer.SetTitle(test::JobTitle("paused"));
        printer.SetDestination(TQRPrinterDestination::Printer);
        printer.BeginDoc();
        printer.NewPage();
        DrawPageText(printer, "Waiting");
        printer.EndDoc();
    }
    ASSERT_EQ(spy.shown.size(), 1u);
    EXPECT_EQ(spy.shown[0].text, cp932::Sys("プリンタ ") + paused->Name +
                                     cp932::Sys(" は一時停止しています。印刷はプリンタが"
                                                "再開されるまで待機します"));
    QFile::remove(test::WaitForPdf(queue->OutputFolder, test::JobTitle("paused")));
}

} // namespace
} // namespace zel
