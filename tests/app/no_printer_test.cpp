// Its own executable: the spooler's client is pointed at a socket that is
// not there before anything asks for printers, so there are none.

#include "app/error_box.h"
#include "app/ticket_report_grid_examinees.h"
#include "tests/app/app_test_fixture.h"
#include "tests/app/ticket_report_test_support.h"

#include <cstdlib>

namespace zel::app {
namespace {

const bool kNoScheduler = [] {
    return setenv("CUPS_SERVER", "/nonexistent/zelmark-no-cups.sock", 1) == 0;
}();

using NoPrinter = test::TMainFormTest;

// The preview keeps B5; printing from the preview, the print setup and a
// saved report played back say there is no printer.
TEST_F(NoPrinter, ThePreviewKeepsB5AndPrintingSaysThereIsNoPrinter) {
    ASSERT_TRUE(kNoScheduler && platform::PrinterNames().empty());
    const TGridExaminees examinees(grid);
    TTicketReport report(examinees);
    form.SetTicketReport(&report);
    report.OnPreview = [](TQRPrinter&) {}; // no window, no device
    form.TermCombo->setCurrentIndex(0);
    form.PrintButton->click();
    TQRPrinter* printer = report.QRPrinter();
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(std::pair(printer->PaperWidth(), printer->PaperLength()), std::pair(1820, 2570));

    printer->Print();
    platform::ProcessPendingMessages();
    RunHandler([&] { report.PrintSetup(); });
    printer->Save(dir.File("saved.QRP"));
    printer->Load(dir.File("saved.QRP"));
    RunHandler([&] { printer->Print(); });
    ASSERT_EQ(box.shown.size(), 3u);
    for (const auto& shown : box.shown)
        EXPECT_EQ(shown.text, cp932::Sys("プリンタがインストールされていません."));
}

} // namespace
} // namespace zel::app
