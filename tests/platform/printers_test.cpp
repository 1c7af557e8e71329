#include "platform/cp932.h"
#include "platform/printers.h"
#include "platform/qt/paper_codes.h"
#include "platform/qt/pdf_info.h"
#include "tests/support/print_queue.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

namespace zel::platform {
namespace {

TEST(PaperCodes, MatchQtPageSizesByDimensions) {
    const std::pair<int, QPageSize::PageSizeId> cases[] = {
        {1, QPageSize::Letter},
        {13, QPageSize::JisB5},
        {20, QPageSize::Comm10E},
    };
    for (const auto& [code, id] : cases) {
        EXPECT_EQ(PageSizeOfCode(code).value_or(QPageSize()).id(), id) << code;
        EXPECT_EQ(CodeOfPageSize(QPageSize(id)), code) << code;
    }
    // Sizes several codes share read back as the first of them.
    EXPECT_EQ(CodeOfPageSize(*PageSizeOfCode(10)), 9);
    EXPECT_EQ(CodeOfPageSize(*PageSizeOfCode(18)), 1);
    // ISO B5 is not the system's B5.
    EXPECT_EQ(CodeOfPageSize(QPageSize(QPageSize::B5)), std::nullopt);
    for (const int none : {0, 27, kPaperUser})
        EXPECT_EQ(PageSizeOfCode(none), std::nullopt) << none;
}

double Millimetres(int pixels, int dpi) {
    return pixels * 25.4 / dpi;
}

TEST(Printers, TheTestQueueOffersJisB5) {
    REQUIRE_TEST_QUEUE(queue);
    const int index = queue->Index;
    ASSERT_GE(DefaultPrinterIndex(), 0);

    TPrinter printer;
    EXPECT_EQ(printer.PrinterIndex(), DefaultPrinterIndex());
    printer.SetPrinterIndex(index);
    EXPECT_EQ(printer.DeviceName(), queue->Name);
    // An index past the list changes nothing.
    printer.SetPrinterIndex(static_cast<int>(PrinterNames().size()));
    EXPECT_EQ(printer.PrinterIndex(), index);

    const auto codes = printer.PaperCodes();
    ASSERT_TRUE(codes.has_value());
    for (const std::int16_t code : {1, 5, 8, 9, 11, 12, 13})
        EXPECT_NE(std::find(codes->begin(), codes->end(), code), codes->end()) << code;
    EXPECT_TRUE(std::is_sorted(codes->begin(), codes->end()));

    TDeviceSettings settings = printer.DeviceSettings();
    settings.PaperSize = 13;
    settings.Copies = 2;
    printer.SetDeviceSettings(settings);
    EXPECT_EQ(printer.DeviceSettings(), settings);

    const TSize dpi = printer.PixelsPerInch();
    ASSERT_GT(dpi.Width, 0);
    const TSize paper = printer.PhysicalPageSize();
    EXPECT_NEAR(Millimetres(paper.Width, dpi.Width), 182, 1.0);
    EXPECT_NEAR(Millimetres(paper.Height, dpi.Height), 257, 1.0);
    const TPoint offset = printer.PrintingOffset();
    const TSize page = printer.PageSize();
    EXPECT_GE(std::min(offset.X, offset.Y), 0);
    EXPECT_LE(offset.X + page.Width, paper.Width + 1);
    EXPECT_LE(offset.Y + page.Height, paper.Height + 1);
}

TEST(Printers, NoJobNoCanvas) {
    TPrinter printer;
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.Canvas(), nullptr);
    EXPECT_FALSE(printer.NewPage());
    EXPECT_FALSE(printer.EndDoc());
    printer.Abort();
    EXPECT_FALSE(printer.Printing());
}

// Qt writes the pages of a job file in whole points; each is made exact in
// place, so the document still reads.
TEST(Printers, EveryPageOfAJobFileIsMadeExactlyItsPaper) {
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::JisB5));
        QPainter painter(&writer);
        for (int page = 1; page <= 3; ++page) {
            painter.drawText(100, 100, QString("page %1").arg(page));
            if (page < 3)
                writer.newPage();
        }
    }
    file.seek(0);
    const QByteArray whole = file.readAll();
    const QByteArray exact = WithExactMediaBoxes(whole, 182 / 25.4 * 72, 257 / 25.4 * 72);
    EXPECT_EQ(exact.size(), whole.size());
    file.resize(0);
    file.write(exact);
    file.flush();
    const QString info = test::RunTool("pdfinfo", {"-f", "1", "-l", "3", file.fileName()});
    EXPECT_EQ(info.count(QRegularExpression("size: +515.906 x 728.504 pts")), 3)
        << info.toStdString();
    EXPECT_TRUE(test::RunTool("pdftotext", {file.fileName(), "-"}).contains("page 3"));
}

TEST(Printers, OnePageJobBecomesAJisB5PdfWithItsText) {
    REQUIRE_TEST_QUEUE(queue);
    TPrinter printer;
    printer.SetPrinterIndex(queue->Index);
    TDeviceSettings settings = printer.DeviceSettings();
    settings.PaperSize = 13;
    printer.SetDeviceSettings(settings);

    const std::string title = test::JobTitle("one-page");
    printer.SetTitle(title);
    ASSERT_TRUE(printer.BeginDoc());
    ASSERT_TRUE(printer.Printing());
    // The job's file has no name: a process killed now leaves nothing.
    EXPECT_EQ(QDir::temp().entryList({"zelmark-job-*"}, QDir::Files), QStringList());
    TCanvas* canvas = printer.Canvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->PixelsPerInch(), printer.PixelsPerInch().Width);
    canvas->SetFont({"Arial", 0, 14, 0, kDefaultCharset, kBlack});
    canvas->SetBkMode(TBkMode::Transparent);
    canvas->TextOut(canvas->PixelsPerInch(), canvas->PixelsPerInch(),
                    "Zelmark admission ticket 12345");
    canvas->SetFont({cp932::FromUtf8("ＭＳ Ｐ明朝"), 0, 14, 0, kShiftJisCharset, kBlack});
    canvas->TextOut(canvas->PixelsPerInch(), canvas->PixelsPerInch() * 2,
                    cp932::FromUtf8("受験番号 髙橋"));
    canvas->SetPen({kBlack, 0, TPenStyle::Solid});
    canvas->SetBrush({kWhite, TBrushStyle::Clear});
    canvas->Rectangle({10, 10, 400, 200});
    ASSERT_TRUE(printer.EndDoc());

    const QString pdf = test::WaitForPdf(queue->OutputFolder, title);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF appeared in " << queue->OutputFolder.toStdString();
    const QString info = test::RunTool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    const QRegularExpressionMatch size =
        QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts").match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_NEAR(size.captured(1).toDouble() * 25.4 / 72, 182, 1.0) << info.toStdString();
    EXPECT_NEAR(size.captured(2).toDouble() * 25.4 / 72, 257, 1.0) << info.toStdString();
    const QString text = test::RunTool("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.contains("Zelmark admission ticket 12345")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("受験番号 髙橋"))) << text.toStdString();
    QFile::remove(pdf);
}

TEST(Printers, AbortedJobLeavesThePrinterReadyForTheNext) {
    REQUIRE_TEST_QUEUE(queue);
    TPrinter printer;
    printer.SetPrinterIndex(queue->Index);
    const std::string aborted = test::JobTitle("aborted");
    printer.SetTitle(aborted);
    ASSERT_TRUE(printer.BeginDoc());
    printer.Canvas()->TextOut(100, 100, "never printed");
    ASSERT_TRUE(printer.NewPage());
    printer.Abort();
    EXPECT_EQ(printer.Canvas(), nullptr);
    // Settings can change again once the job is gone, and a new job starts.
    TDeviceSettings settings = printer.DeviceSettings();
    settings.Copies = 3;
    printer.SetDeviceSettings(settings);
    EXPECT_EQ(printer.DeviceSettings().Copies, 3);
    // The spooler takes jobs in order: once the next job's PDF is there,
    // the aborted one would have been too.
    const std::string next = test::JobTitle("after-abort");
    printer.SetTitle(next);
    ASSERT_TRUE(printer.BeginDoc());
    printer.Canvas()->TextOut(100, 100, "printed");
    ASSERT_TRUE(printer.EndDoc());
    const QString pdf = test::WaitForPdf(queue->OutputFolder, next);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(test::PdfsOf(queue->OutputFolder, aborted), QStringList());
    QFile::remove(pdf);
}

// Copies, collation and the paper source reach the spooler with the job,
// read back from the paused queue, which holds it.
TEST(Printers, CollateAndPaperSourceGoWithTheJob) {
    const auto paused = test::PausedTestQueue();
    if (!paused)
        GTEST_SKIP() << "no paused queue: scripts/test sets ZELMARK_TEST_PAUSED_PRINTER";
    TPrinter printer;
    printer.SetPrinterIndex(paused->Index);
    TDeviceSettings settings = printer.DeviceSettings();
    settings.Copies = 2;
    settings.Collate = true;
    settings.DefaultSource = 4; // the manual feed
    printer.SetDeviceSettings(settings);
    const std::string title = test::JobTitle("collated");
    printer.SetTitle(title);
    ASSERT_TRUE(printer.BeginDoc() && printer.EndDoc());
    EXPECT_TRUE(printer.Paused());

    QTemporaryFile request;
    ASSERT_TRUE(request.open());
    request.write("{ OPERATION Get-Jobs GROUP operation-attributes-tag\n"
                  "ATTR charset attributes-charset utf-8\n"
                  "ATTR naturalLanguage attributes-natural-language en\n"
                  "ATTR uri printer-uri $uri ATTR name requesting-user-name $user\n"
                  "ATTR keyword requested-attributes job-name,copies,collate,media-source }\n");
    request.close();
    const QString jobs = test::RunTool(
        "ipptool", {"-tv", "ipp://localhost/printers/" + QString::fromStdString(paused->Name),
                    request.fileName()});
    const QString job = jobs.section(QString::fromStdString(title), 1).section("separator", 0, 0);
    for (const char* attribute :
         {"copies (integer) = 2", "collate (boolean) = true", "media-source (keyword) = manual"})
        EXPECT_TRUE(job.contains(attribute)) << attribute << "\n" << jobs.toStdString();
}

} // namespace
} // namespace zel::platform
