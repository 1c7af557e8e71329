// Tickets printed on queues with real office printers' drivers, each writing
// its job to a file (scripts/test makes them): what the driver was asked
// for, and where the PostScript it wrote puts the texts, against the PDF of
// the same tickets.

#include "output/report_printer.h"
#include "platform/cp932.h"
#include "platform/printers.h"
#include "tests/app/ticket_report_test_support.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/print_queue.h"
#include "tests/support/temp_dir.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>

namespace zel::app {
namespace {

// scripts/test names each queue after its role: zelmark-drv-ROLE.
std::optional<std::string> DriverQueue(const std::string& role) {
    const QString name = QString::fromStdString("zelmark-drv-" + role);
    if (!qEnvironmentVariable("ZELMARK_TEST_DRIVER_QUEUES").split(' ').contains(name))
        return std::nullopt;
    return name.toStdString();
}

#define REQUIRE_DRIVER_QUEUE(queue, role)                                                          \
    const std::optional<std::string> queue = DriverQueue(role);                                    \
    if (!queue)                                                                                    \
        GTEST_SKIP() << "no driver queue " role ": scripts/test makes them when cupsd may write "  \
                        "jobs to files";

QString JobFileOf(const std::string& queue) {
    return qEnvironmentVariable("ZELMARK_TEST_DRIVER_DIR") + "/" + QString::fromStdString(queue) +
           ".out";
}

// The job the queue's file device wrote, once the queue has no job left.
QByteArray WaitForJob(const std::string& queue) {
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        const QString pending = test::RunTool("lpstat", {"-o", QString::fromStdString(queue)});
        QFile job(JobFileOf(queue));
        if (pending.trimmed().isEmpty() && job.size() > 0 && job.open(QIODevice::ReadOnly))
            return job.readAll();
        QThread::msleep(200);
    }
    return {};
}

// Page 1 as Ghostscript renders it: the paper and the box around every dark
// pixel, in millimetres from the paper's top-left corner.
struct TInk {
    double Width = 0, Length = 0;
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

std::optional<TInk> InkOf(QByteArray document) {
    // A driver may wrap its PostScript in printer commands.
    if (const qsizetype start = document.indexOf("%!PS"); start > 0)
        document.remove(0, start);
    if (const qsizetype end = document.lastIndexOf("%%EOF"); end > 0 && document.startsWith("%!PS"))
        document.truncate(end + 5);
    constexpr int kDpi = 200;
    QProcess gs;
    gs.start("gs",
             {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pbmraw", QString("-r%1").arg(kDpi),
              "-dFirstPage=1", "-dLastPage=1", "-sOutputFile=-", "-"});
    gs.write(document);
    gs.closeWriteChannel();
    if (!gs.waitForFinished(60000))
        return std::nullopt;
    const QByteArray image = gs.readAllStandardOutput();
    static const QRegularExpression header(R"(^P4\s+(?:#[^\n]*\n)*(\d+)\s+(\d+)\s)");
    const auto match = header.match(QString::fromLatin1(image.left(200)));
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.captured(1).toInt(), height = match.captured(2).toInt();
    const int rowBytes = (width + 7) / 8;
    const char* bits = image.constData() + match.capturedLength(0);
    if (image.size() < match.capturedLength(0) + qsizetype(rowBytes) * height)
        return std::nullopt;
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (bits[y * rowBytes + x / 8] & (0x80 >> (x % 8))) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    const double mm = 25.4 / kDpi;
    return TInk{width * mm, height * mm, left * mm, top * mm, right * mm, bottom * mm};
}

// Within half a millimetre, edge by edge.
::testing::AssertionResult LandsAsInThePdf(const TInk& printed, const TInk& pdf) {
    const double edges[][2] = {{printed.Width, pdf.Width}, {printed.Length, pdf.Length},
                               {printed.Left, pdf.Left},   {printed.Top, pdf.Top},
                               {printed.Right, pdf.Right}, {printed.Bottom, pdf.Bottom}};
    for (const auto& [got, wanted] : edges)
        if (std::abs(got - wanted) > 0.5)
            return ::testing::AssertionFailure()
                   << "paper " << printed.Width << " x " << printed.Length << ", ink "
                   << printed.Left << " " << printed.Top << " " << printed.Right << " "
                   << printed.Bottom << "; the PDF: paper " << pdf.Width << " x " << pdf.Length
                   << ", ink " << pdf.Left << " " << pdf.Top << " " << pdf.Right << " "
                   << pdf.Bottom;
    return ::testing::AssertionSuccess();
}

// The features the driver's PostScript set, "*Duplex None;*PageSize B5;...".
QString FeaturesOf(const QByteArray& job) {
    static const QRegularExpression feature(
        R"(%%BeginFeature: (\*(?:Duplex|PageSize|PageRegion|CustomPageSize) \S+))");
    QStringList features;
    for (auto it = feature.globalMatch(QString::fromLatin1(job)); it.hasNext();)
        features << it.next().captured(1);
    return features.join(';');
}

class DriverQueues : public testing::Test {
protected:
    void SetUp() override {
        test::WriteAll(
            dir.File("zel.ini"),
            "[basic]\nname=ゼルマーク塾\nyear=8\n[margin]\nleft=2\ntop=1\nspace=0\nheight=0\n");
        std::string list;
        for (int i = 1; i <= 12; ++i)
            list += std::to_string(100000 + i) + "\t受験者" + std::to_string(i) + "\t本校\n";
        test::WriteAll(dir.File("list.txt"), list);
    }
    std::pair<int, QString> Tool(QStringList args) {
        QProcess tool;
        tool.setWorkingDirectory(QString::fromStdString(dir.Path()));
        tool.start(ZELMARK_PRINT_PATH, QStringList{"list.txt", "--term", "夏期", "--quiet"} + args);
        tool.waitForFinished(120000);
        return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
    }
    TInk PdfInk() {
        EXPECT_EQ(Tool({"--pdf", "tickets.pdf"}).first, 0);
        QFile pdf(QString::fromStdString(dir.File("tickets.pdf")));
        EXPECT_TRUE(pdf.open(QIODevice::ReadOnly));
        return InkOf(pdf.readAll()).value_or(TInk{});
    }
    test::TTempDir dir;
};

TEST_F(DriverQueues, EveryDriverPrintsOneSidedUnscaledOnJisB5WhereThePdfPutsTheTexts) {
    REQUIRE_DRIVER_QUEUE(duplexQueue, "duplex");
    const TInk pdf = PdfInk();
    // Two-sided by default, margins of their own on B5, fit to the page by
    // default, no B5 but custom sizes, and B5 under a name of its own.
    for (const char* role : {"duplex", "margins", "fit", "custom", "jis", "transverse"}) {
        const std::optional<std::string> queue = DriverQueue(role);
        if (!queue)
            continue;
        QFile::remove(JobFileOf(*queue));
        ASSERT_EQ(Tool({"--printer", QString::fromStdString(*queue)}).first, 0) << role;
        const QByteArray job = WaitForJob(*queue);
        ASSERT_FALSE(job.isEmpty()) << role << ": no job";
        const QString features = FeaturesOf(job);
        EXPECT_FALSE(features.contains(QRegularExpression(R"(\*Duplex Duplex)")))
            << role << ": " << features.toStdString();
        EXPECT_FALSE(features.contains("A4")) << role << ": " << features.toStdString();
        const std::optional<TInk> printed = InkOf(job);
        ASSERT_TRUE(printed) << role;
        EXPECT_TRUE(LandsAsInThePdf(*printed, pdf)) << role;
    }
}

TEST_F(DriverQueues, AQueueWithoutB5OrCustomSizesPrintsOnlyWhenTheCommandLineSaysSo) {
    REQUIRE_DRIVER_QUEUE(queue, "nob5");
    QFile::remove(JobFileOf(*queue));
    const auto [refused, why] = Tool({"--printer", QString::fromStdString(*queue)});
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(why.toStdString(),
              "zelmark-print: プリンタ " + *queue +
                  " には B5 182 x 257 mm の用紙がありません。A4 210 x 297 mm の用紙に印刷すると、"
                  "印字位置が合いません (--any-paper で、このまま印刷します)\n");
    EXPECT_TRUE(test::RunTool("lpstat", {"-o", QString::fromStdString(*queue)}).isEmpty());
    EXPECT_FALSE(QFile::exists(JobFileOf(*queue)));

    const auto [printed, warning] =
        Tool({"--printer", QString::fromStdString(*queue), "--any-paper"});
    EXPECT_EQ(printed, 0);
    EXPECT_TRUE(warning.startsWith("zelmark-print: 警告: プリンタ ")) << warning.toStdString();
    EXPECT_TRUE(FeaturesOf(WaitForJob(*queue)).contains("A4"));
}

// The window's print: the operator is asked before anything goes to a
// queue without B5, and "いいえ" sends nothing.
TEST(DriverQueuesFromTheWindow, AQueueWithoutB5IsAQuestionAndNoSendsNothing) {
    REQUIRE_DRIVER_QUEUE(queue, "nob5");
    const std::vector<std::string> names = platform::PrinterNames();
    const auto found = std::find(names.begin(), names.end(), *queue);
    ASSERT_NE(found, names.end());
    QFile::remove(JobFileOf(*queue));
    test::TTicketRun run;
    run.AddExaminees(3);
    run.report.PrinterSettings().SetPrinterIndex(static_cast<int>(found - names.begin()));
    test::TMessageBoxSpy spy;
    for (const bool yes : {false, true}) {
        spy.answer = yes;
        run.report.Print();
        ASSERT_EQ(spy.shown.size(), yes ? 2u : 1u);
        EXPECT_EQ(spy.shown.back().buttons, TMsgDlgButtons::mbYesNo);
        EXPECT_TRUE(cp932::ToUtf8(spy.shown.back().text)
                        .ends_with("の用紙がありません。A4 210 x 297 mm の用紙に印刷すると、"
                                   "印字位置が合いません。\nこのまま印刷しますか?"));
        if (!yes) {
            EXPECT_TRUE(test::RunTool("lpstat", {"-o", QString::fromStdString(*queue)}).isEmpty());
            EXPECT_FALSE(QFile::exists(JobFileOf(*queue)));
        }
    }
    EXPECT_TRUE(FeaturesOf(WaitForJob(*queue)).contains("A4"));
}

// A saved report printed later from the preview: each page goes on the
// paper at its own size, not shrunk into the printable area.
TEST_F(DriverQueues, ALoadedReportPlaysBackAtThePlacesOfItsPages) {
    REQUIRE_DRIVER_QUEUE(queue, "margins");
    const TInk pdf = PdfInk();
    ASSERT_EQ(Tool({"--qrp", "tickets.qrp"}).first, 0);
    const std::vector<std::string> names = platform::PrinterNames();
    const auto found = std::find(names.begin(), names.end(), *queue);
    ASSERT_NE(found, names.end());
    QFile::remove(JobFileOf(*queue));
    TQRPrinter printer;
    printer.SetPrinterIndex(static_cast<int>(found - names.begin()));
    printer.Load(dir.File("tickets.qrp"));
    printer.SetFirstPage(1);
    printer.SetLastPage(1);
    printer.Print();
    const std::optional<TInk> printed = InkOf(WaitForJob(*queue));
    ASSERT_TRUE(printed);
    EXPECT_TRUE(LandsAsInThePdf(*printed, pdf));
}

} // namespace
} // namespace zel::app
