#include "output/windows/progress_form.h"
#include "platform/cp932.h"
#include "tests/output/windows/preview_test_support.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest/QTest>

namespace zel {
namespace {

TEST(ProgressForm, TheRegisteredClassIsASmallCentredWindowOnTopWatchingItsPrinter) {
    TQRPrinter printer;
    const std::unique_ptr<TQRProgressWindow> window = CreateQRProgressWindow(printer);
    auto* const form = dynamic_cast<TQRProgressForm*>(window.get());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->QRPrinter(), &printer);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("印刷中"));
    EXPECT_EQ(form->size(), QSize(149, 94));
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form->Gauge->geometry(), QRect(16, 10, 114, 16));
    EXPECT_EQ(std::pair(form->Gauge->minimum(), form->Gauge->maximum()), std::pair(0, 100));
    EXPECT_EQ(form->Info->geometry(), QRect(2, 38, 145, 13));
    EXPECT_EQ(form->Info->alignment(), Qt::AlignCenter);
    EXPECT_EQ(form->InfoText(), "");
    EXPECT_EQ(form->CancelButton->geometry(), QRect(36, 62, 75, 25));
    EXPECT_EQ(form->CancelButton->text(), QString::fromUtf8("キャンセル"));
    EXPECT_FALSE(form->isVisible()) << "hidden until the report asks for it";
    printer.SetClient(&window->Client());
    printer.SetProgress(20);
    platform::ProcessPendingMessages();
    EXPECT_EQ(form->Gauge->value(), 20);
}

struct WatchingProgressForm : ::testing::Test {
    WatchingProgressForm() {
        form.SetQRPrinter(&printer);
        printer.SetClient(&form.Client());
    }
    TQRPrinter printer;
    TQRProgressForm form;
};

// The form reads the printer's progress, not the notification's: a
// notification still queued may be older than what the printer has.
TEST_F(WatchingProgressForm, ShowsEveryFifthPercentOfThePrintersProgressUntilCancelled) {
    form.Show();
    // Until the run reports progress its total is unknown: the pages made so far, and a busy gauge.
    test::RunReport(printer, 3, false);
    platform::ProcessPendingMessages();
    EXPECT_EQ(form.Gauge->maximum(), 0);
    EXPECT_EQ(form.InfoText(), cp932::Sys("2 ページ"));
    const struct {
        int progress, gauge;
        const char* info;
    } steps[] = {
        {0, 0, "0% 完了"},    {3, 0, "0% 完了"},       {45, 45, "45% 完了"},
        {47, 45, "45% 完了"}, {100, 100, "100% 完了"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.progress);
        printer.SetProgress(step.progress);
        platform::ProcessPendingMessages();
        EXPECT_EQ(form.Gauge->maximum(), 100);
        EXPECT_EQ(form.Gauge->value(), step.gauge);
        EXPECT_EQ(form.InfoText(), cp932::Sys(step.info));
    }
    printer.SetProgress(45);
    platform::PostCall(form, [&] { form.ProgressChanged(10); });
    platform::ProcessPendingMessages();
    EXPECT_EQ(form.InfoText(), cp932::Sys("45% 完了"));

    QTest::mouseClick(form.CancelButton, Qt::LeftButton);
    EXPECT_TRUE(printer.Cancelled());
    printer.Abort();
}

} // namespace
} // namespace zel
