#include "app/ticket_report_grid_examinees.h"
#include "output/windows/progress_form.h"
#include "output/windows/standard_preview.h"
#include "tests/app/app_test_fixture.h"
#include "tests/app/ticket_report_test_support.h"
#include "tests/support/print_queue.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTimer>

namespace zel::app {
namespace {

// The shown top-level window of a class, if there is one.
template <class Window> Window* Shown() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

using TicketPrintQueue = test::TMainFormTest;

// キャンセル in the progress window at page 2: the run reaches no printer.
// The spooler takes jobs in order, so once the next job is out the
// cancelled one would be too. The gauge follows the examinee rows.
TEST(TicketPrintRun, ACancelledPrintReachesNoPrinterAndTheGaugeFollowsTheRows) {
    REQUIRE_TEST_QUEUE(queue);
    test::TTicketRun run;
    run.AddExaminees(40); // four pages
    run.report.PrinterSettings().SetPrinterIndex(queue->Index);
    const std::string cancelled = test::JobTitle("cancelled-run");
    int gauge = -1;
    run.report.OnEndPage = [&](TCustomPagettaRep& sender) {
        TQRProgressForm* progress = Shown<TQRProgressForm>();
        if (progress && sender.PageNumber() == 2 && run.report.ReportTitle() == cancelled) {
            platform::ProcessPendingMessages();
            gauge = progress->Gauge->maximum() == 100 ? progress->Gauge->value() : -1;
            progress->CancelButton->click();
        }
    };
    for (const char* what : {"cancelled-run", "after-cancel"}) {
        run.report.SetReportTitle(test::JobTitle(what));
        run.report.Print();
    }
    EXPECT_GE(gauge, 10);
    const QString pdf = test::WaitForPdf(queue->OutputFolder, test::JobTitle("after-cancel"));
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF in " << queue->OutputFolder.toStdString();
    EXPECT_EQ(test::PdfPageCount(pdf), 4);
    EXPECT_EQ(test::PdfsOf(queue->OutputFolder, cancelled).join(' ').toStdString(), "");
    QFile::remove(pdf);
}

TEST_F(TicketPrintQueue, PastedListPrintedFromThePreviewGivesEveryNameOnJisB5) {
    REQUIRE_TEST_QUEUE(queue);
    const TGridExaminees examinees(grid);
    TTicketReport report(examinees);
    form.SetTicketReport(&report);
    report.PrinterSettings().SetPrinterIndex(queue->Index);
    const std::string title = test::JobTitle("tickets");
    report.SetReportTitle(title);

    const char* families[] = {"山田", "佐藤", "鈴木", "高橋", "田中"};
    const char* givens[] = {"太郎", "花子", "一郎", "美咲", "健太"};
    std::vector<QString> names;
    QString clipboard;
    for (int i = 0; i < 23; ++i) {
        names.push_back(QString::fromUtf8(families[i % 5]) + QString::fromUtf8(givens[i / 5]));
        clipboard += QString::number(300001 + i) + "\t" + names.back() + "\t" +
                     QString::fromUtf8("本校") + "\r\n";
    }
    QGuiApplication::clipboard()->setText(clipboard);
    form.PasteButton->click();
    form.TermCombo->setCurrentIndex(1);

    // In the preview: print once the pages are all there, close once printed.
    bool printed = false, printAsked = false;
    report.AfterPrint = [&](TQRComponent&) { printed = true; };
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        TQRStandardPreview* preview = Shown<TQRStandardPreview>();
        if (!preview)
            return;
        if (!printAsked && preview->Print->isEnabled()) {
            printAsked = true;
            preview->PrintClick();
        } else if (printed) {
            preview->close();
        }
    });
    driver.start(50);
    QTimer::singleShot(120000, [] {
        if (TQRStandardPreview* preview = Shown<TQRStandardPreview>())
            preview->close();
    });
    form.PrintButton->click();
    driver.stop();
    ASSERT_TRUE(printed);
    EXPECT_TRUE(box.shown.empty());

    const QString pdf = test::WaitForPdf(queue->OutputFolder, title);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF in " << queue->OutputFolder.toStdString();
    EXPECT_EQ(test::PdfPageCount(pdf), 3);
    const QString info = test::RunTool("pdfinfo", {pdf});
    // JIS B5, 182 x 257 mm, as the queue's driver gives it in whole points.
    static const QRegularExpression size(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)");
    const auto match = size.match(info);
    ASSERT_TRUE(match.hasMatch()) << info.toStdString();
    EXPECT_NEAR(match.captured(1).toDouble() * 25.4 / 72, 182, 1);
    EXPECT_NEAR(match.captured(2).toDouble() * 25.4 / 72, 257, 1);

    const QString text = test::RunTool("pdftotext", {pdf, "-"});
    for (const QString& name : names)
        EXPECT_TRUE(text.contains(name)) << name.toStdString();

    // The first ticket's name label: 120 pixels from the band's left, 83
    // from its top, the band at the paper's corner of the first page.
    const QString words = test::RunTool("pdftotext", {"-f", "1", "-l", "1", "-bbox", pdf, "-"});
    const QRegularExpression firstName(
        QString(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>%1)re").arg(names[0]));
    const auto place = firstName.match(words);
    ASSERT_TRUE(place.hasMatch()) << words.toStdString();
    EXPECT_NEAR(place.captured(1).toDouble() * 25.4 / 72, 120 * 25.4 / 96, 0.5);
    EXPECT_NEAR(place.captured(2).toDouble() * 25.4 / 72, 83 * 25.4 / 96, 0.5);
    QFile::remove(pdf);
}

} // namespace
} // namespace zel::app
