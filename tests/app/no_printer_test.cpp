// A machine whose spooler cannot be reached has no printer. This program's
// own executable points the spooler's client at a socket that is not there
// before anything asks for printers.

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

// The preview keeps the report's B5 paper, and printing says plainly that
// there is no printer instead of doing nothing: from the preview, from the
// print setup and from a saved report played back.
using NoPrinter = test::TMainFormTest;

TEST_F(NoPrinter, ThePreviewKeepsB5AndPrintingSaysThereIsNoPrinter) {
    ASSERT_TRUE(kNoScheduler);
    ASSERT_TRUE(platform::PrinterNames().empty());
    const TGridExaminees examinees(grid);
    TTicketReport report(examinees);
    form.SetTicketReport(&report);
    report.OnPreview = [](TQRPrinter&) {}; // no window, no device
    grid.SetCells(1, 1, "N");
    form.TermCombo->setCurrentIndex(0);
    form.PrintButton->click();
    TQRPrinter* printer = report.QRPrinter();
    ASSERT_NE(printer, nullptr);
    EXPECT_FALSE(printer->PrinterOK());
    EXPECT_EQ(printer->PaperSize(), TQRPaperSize::B5);
    EXPECT_EQ(printer->PaperWidth(), 1820);
    EXPECT_EQ(printer->PaperLength(), 2570);

    printer->Print(); // the preview's print button
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
