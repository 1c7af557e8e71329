#include "app/error_box.h"
#include "app/main_form.h"
#include "app/message_box.h"
#include "app/ticket_report.h"
#include "app/ticket_report_grid_examinees.h"
#include "output/windows/register_report_windows.h"
#include "output/windows/standard_preview.h"
#include "platform/cp932.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/print_queue.h"
#include "tests/support/temp_dir.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

namespace zel::app {
namespace {

struct TWord {
    int page;          // 1-based
    double xMin, yMin; // points from the page's top-left corner
    QString text;
};

// The words pdftotext finds, with their boxes, page by page.
std::vector<TWord> Words(const QString& pdf) {
    const QString html = test::RunTool("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression tag(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    std::vector<TWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(0).startsWith("<page"))
            ++page;
        else
            words.push_back({page, match.captured(1).toDouble(), match.captured(2).toDouble(),
                             match.captured(3)});
    }
    return words;
}

TQRStandardPreview* OpenPreview() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<TQRStandardPreview*>(widget);
            preview && preview->isVisible())
            return preview;
    return nullptr;
}

TEST(TicketPrintQueue, PastedListPrintedFromThePreviewGivesEveryNameOnJisB5) {
    REQUIRE_TEST_QUEUE(queue);
    test::TTempDir dir;
    test::TCurrentDirectory in{dir.Path()};
    test::TMessageBoxSpy box;
    RegisterReportWindows({&ShowCurrentException, [](const std::string& text) {
                               MessageDlg(text, TMsgDlgType::mtInformation);
                           }});
    TMainForm form;
    const TGridExaminees examinees(*form.ExamineeGrid);
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
    bool printed = false;
    bool printAsked = false;
    report.AfterPrint = [&](TQRComponent&) { printed = true; };
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        TQRStandardPreview* preview = OpenPreview();
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
        if (TQRStandardPreview* preview = OpenPreview())
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
    // from its top, the band at the paper's corner.
    const std::vector<TWord> words = Words(pdf);
    const auto first = std::find_if(words.begin(), words.end(),
                                    [&](const TWord& w) { return w.text.startsWith(names[0]); });
    ASSERT_NE(first, words.end());
    EXPECT_EQ(first->page, 1);
    EXPECT_NEAR(first->xMin * 25.4 / 72, 120 * 25.4 / 96, 0.5);
    EXPECT_NEAR(first->yMin * 25.4 / 72, 83 * 25.4 / 96, 0.5);
    QFile::remove(pdf);
}

} // namespace
} // namespace zel::app
