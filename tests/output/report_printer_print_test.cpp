// The report printer on the CUPS queue scripts/test sets up: pages of a
// run, and pages of a loaded file, end up in the queue's PDF.

#include "output/report_printer.h"
#include "platform/cp932.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/support/temp_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>

namespace zel {
namespace {

struct TTestQueue {
    std::string Name;
    QString OutputFolder;
};

std::optional<TTestQueue> TestQueue() {
    const QString name = qEnvironmentVariable("ZELMARK_TEST_PRINTER");
    const QString folder = qEnvironmentVariable("ZELMARK_TEST_PDF_DIR");
    if (name.isEmpty() || folder.isEmpty())
        return std::nullopt;
    return TTestQueue{cp932::FromUtf8(name.toStdString()), folder};
}

#define REQUIRE_TEST_QUEUE(queue)                                                                  \
    const auto queue = TestQueue();                                                                \
    if (!queue)                                                                                    \
        GTEST_SKIP() << "no CUPS queue for tests: scripts/test sets ZELMARK_TEST_PRINTER and "     \
                        "ZELMARK_TEST_PDF_DIR when it can run cupsd";

int IndexOf(const std::string& name) {
    const std::vector<std::string> names = platform::PrinterNames();
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The spooler names its PDF after the job title, so tests running side by
// side find their own.
std::string JobTitle(const char* what) {
    return std::string("zelmark-printer-") + what + "-" +
           std::to_string(QCoreApplication::applicationPid());
}

QStringList PdfsOf(const QString& folder, const std::string& title) {
    return QDir(folder).entryList({QString::fromStdString(title) + "*.pdf"}, QDir::Files);
}

QString WaitForPdf(const QString& folder, const std::string& title) {
    for (int attempt = 0; attempt < 600; ++attempt) {
        const QStringList files = PdfsOf(folder, title);
        if (!files.isEmpty()) {
            const QString path = QDir(folder).filePath(files.first());
            if (RunTool("pdfinfo", {path}).contains("Pages:"))
                return path;
        }
        QThread::msleep(100);
    }
    return {};
}

int PageCountOf(const QString& pdf) {
    const QRegularExpressionMatch pages =
        QRegularExpression("Pages:\\s+(\\d+)").match(RunTool("pdfinfo", {pdf}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

void DrawPageText(TQRPrinter& printer, const std::string& text) {
    platform::TCanvas& canvas = *printer.Canvas();
    canvas.SetFont({"Arial", 0, 14, 0, platform::kDefaultCharset, platform::kBlack});
    canvas.SetBkMode(platform::TBkMode::Transparent);
    canvas.TextOut(printer.XPos(200), printer.YPos(300), text);
}

// A printer on the test queue, B5 portrait.
void UseTestQueue(TQRPrinter& printer, const TTestQueue& queue) {
    printer.SetPrinterIndex(IndexOf(queue.Name));
    ASSERT_EQ(printer.DevicePrinter().DeviceName(), queue.Name);
    printer.SetPaperSize(TQRPaperSize::B5);
    ASSERT_EQ(printer.PaperSize(), TQRPaperSize::B5);
}

TEST(ReportPrinterJob, ARangeOfTwoPagesOfFiveGivesATwoPagePdf) {
    REQUIRE_TEST_QUEUE(queue);
    TQRPrinter printer;
    ASSERT_TRUE(printer.PrinterOK());
    UseTestQueue(printer, *queue);
    const std::string title = JobTitle("range");
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

    const QString pdf = WaitForPdf(queue->OutputFolder, title);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF in " << queue->OutputFolder.toStdString();
    EXPECT_EQ(PageCountOf(pdf), 2);
    const QString text = RunTool("pdftotext", {pdf, "-"});
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
    const std::string title = JobTitle("playback");
    printer.SetTitle(title);
    printer.SetFirstPage(2);
    printer.SetLastPage(3);
    // A loaded file is played back even with a report as master.
    test::TNotificationLog master;
    printer.SetMaster(&master);
    printer.Print();
    EXPECT_FALSE(printer.DevicePrinter().Printing());

    const QString pdf = WaitForPdf(queue->OutputFolder, title);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(PageCountOf(pdf), 2);
    const QString text = RunTool("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.contains("Saved page 2")) << text.toStdString();
    EXPECT_TRUE(text.contains("Saved page 3")) << text.toStdString();
    EXPECT_FALSE(text.contains("Saved page 4")) << text.toStdString();
    platform::ProcessPendingMessages();
    EXPECT_TRUE(master.Received.empty());
    QFile::remove(pdf);
}

TEST(ReportPrinterJob, CancelDuringPlaybackDiscardsTheJob) {
    REQUIRE_TEST_QUEUE(queue);
    const test::TTempDir dir;
    TQRPrinter printer;
    UseTestQueue(printer, *queue);
    printer.Load(SavedPages(dir, 3));
    // The progress window's Cancel button, pressed while pages go out.
    test::TNotificationLog progressWindow;
    progressWindow.OnNotification = [&](const platform::TNotification&) { printer.Cancel(); };
    platform::PostNotification(progressWindow, {});
    const std::string cancelled = JobTitle("cancelled");
    printer.SetTitle(cancelled);
    printer.Print();
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_FALSE(printer.DevicePrinter().Printing());

    // A cancel earlier does not stop the next playback; and the spooler
    // takes jobs in order, so once this one is out the other would be too.
    const std::string next = JobTitle("after-cancel");
    printer.SetTitle(next);
    printer.Print();
    const QString pdf = WaitForPdf(queue->OutputFolder, next);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(PageCountOf(pdf), 3);
    EXPECT_EQ(PdfsOf(queue->OutputFolder, cancelled), QStringList());
    QFile::remove(pdf);
}

} // namespace
} // namespace zel
