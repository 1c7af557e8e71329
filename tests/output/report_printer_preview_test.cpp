#include "output/preview_interface.h"
#include "output/report_printer.h"
#include "tests/output/report_printer_test_support.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using test::TAcceptingDevice;
using test::TMasterLog;

struct TFakePreviewForm : TQRPreviewForm {};

// Counts the previews it opens and hands out one window.
struct TFakePreview : TQRPreviewInterface {
    static inline int Shown = 0;
    static inline TQRPrinter* ShownPrinter = nullptr;
    static inline TFakePreviewForm Form;
    TQRPreviewForm* Show(TQRPrinter& printer) override {
        ++Shown;
        ShownPrinter = &printer;
        return &Form;
    }
};

// Puts a preview class in place for one scope, then brings back the one
// registered at start-up.
struct PreviewClassScope {
    explicit PreviewClassScope(TQRPreviewInterfaceClass previewClass)
        : m_Saved(QRPreviewInterfaceClass()) {
        TFakePreview::Shown = 0;
        SetQRPreviewInterfaceClass(std::move(previewClass));
    }
    PreviewClassScope() : PreviewClassScope([] { return std::make_unique<TFakePreview>(); }) {}
    ~PreviewClassScope() { SetQRPreviewInterfaceClass(m_Saved); }

private:
    TQRPreviewInterfaceClass m_Saved;
};

TEST(ReportPrinterPreview, OpensTheRegisteredPreviewOrTheReportsOwn) {
    TQRPrinter printer;
    {
        // Nothing registered: the base class opens no window.
        const PreviewClassScope none(nullptr);
        printer.Preview();
        EXPECT_EQ(printer.PreviewForm(), nullptr);
    }
    {
        const PreviewClassScope scope;
        printer.Preview();
        EXPECT_EQ(TFakePreview::Shown, 1);
        EXPECT_EQ(TFakePreview::ShownPrinter, &printer);
        EXPECT_EQ(printer.PreviewForm(), &TFakePreview::Form);

        int own = 0;
        printer.OnPreview = [&](TQRPrinter& sender) {
            EXPECT_EQ(&sender, &printer);
            ++own;
        };
        printer.Preview();
        EXPECT_EQ(own, 1);
        EXPECT_EQ(TFakePreview::Shown, 1);
    }
}

TEST(ReportPrinterPreview, DetachingDuringARunCancelsItAndFiresAfterPreviewOnce) {
    TAcceptingDevice device;
    TQRPrinter printer;
    printer.PrinterSettings().SetDevice(&device);
    int afterPreview = 0;
    printer.AfterPreview = [&](TQRPrinter&) { ++afterPreview; };
    printer.SetShowingPreview(false);
    EXPECT_EQ(afterPreview, 0) << "detaching what never attached is only stored";

    printer.SetShowingPreview(true);
    EXPECT_TRUE(printer.ShowingPreview());
    printer.BeginDoc();
    printer.NewPage();
    printer.SetShowingPreview(false);
    printer.SetShowingPreview(false);
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_FALSE(printer.ShowingPreview());
    EXPECT_EQ(afterPreview, 1);

    // After the run, detaching does not cancel anything.
    printer.Abort();
    printer.Cleanup();
    printer.BeginDoc();
    printer.EndDoc();
    printer.SetShowingPreview(true);
    printer.SetShowingPreview(false);
    EXPECT_FALSE(printer.Cancelled());
}

// Printing a report's pages is the report's to do again, asked by post;
// a closing preview is told at once, and its master may release the printer.
TEST(ReportPrinterPreview, TheMasterPrintsAgainAndHearsOfTheClosing) {
    TAcceptingDevice device;
    TMasterLog master;
    auto printer = std::make_unique<TQRPrinter>();
    TQRPrinter* const sender = printer.get();
    printer->PrinterSettings().SetDevice(&device);
    printer->SetMaster(&master);
    printer->BeginDoc();
    printer->NewPage();
    printer->EndDoc();
    const int applied = device.Applied;
    printer->Print();
    EXPECT_EQ(master.PrintRequests, 0);
    platform::ProcessPendingMessages();
    EXPECT_EQ(master.PrintRequests, 1);
    EXPECT_EQ(device.Applied, applied);
    EXPECT_FALSE(printer->DevicePrinter().Printing());

    {
        const PreviewClassScope scope;
        printer->Preview();
    }
    master.OnPreviewClosed = [&](TQRPrinter& closing) {
        EXPECT_EQ(&closing, printer.get());
        EXPECT_EQ(printer->PreviewForm(), nullptr);
        printer.reset(); // the report releases its printer when idle
    };
    sender->NotifyPreviewClosed();
    EXPECT_EQ(printer, nullptr) << "delivered before the call returned, not posted";
    EXPECT_EQ(master.Closed, std::vector<TQRPrinter*>{sender});

    TQRPrinter alone; // without a master nobody is told
    alone.NotifyPreviewClosed();
    EXPECT_EQ(master.Closed.size(), 1u);
}

} // namespace
} // namespace zel
