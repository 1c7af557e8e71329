#include "output/preview_interface.h"
#include "output/report_output_errors.h"
#include "output/report_printer.h"
#include "output/report_window_classes.h"
#include "platform/cp932.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/support/error_text.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace zel::test {
namespace {

using TLog = std::vector<std::string>;

struct PrinterFixture : ::testing::Test {
    PrinterFixture() {
        printer.PrinterSettings().SetDevice(&device);
        printer.SetClient(&client);
    }
    void Record(int pages) {
        printer.BeginDoc();
        for (int page = 1; page <= pages; ++page) {
            printer.NewPage();
            printer.Canvas()->TextOut(10, 10, "page " + std::to_string(page));
        }
    }
    std::string TextOf(int page) {
        const auto metafile = printer.GetPage(page);
        if (!metafile)
            return "none";
        for (const auto& record : metafile->Page().Records())
            if (const auto* text = std::get_if<platform::TTextOutRecord>(&record))
                return text->Text;
        return "blank";
    }

    TAcceptingDevice device;
    TClientLog client;
    TQRPrinter printer;
};

TEST_F(PrinterFixture, PagesReachTheStoreWhenFinishedAndCallsOutOfOrderAreRefused) {
    const std::string badNewPage = "間違った NewPage の呼び出し",
                      notReady = "QRPrinter の準備ができていません";
    EXPECT_EQ(ErrorOf<EQRError>([&] { printer.NewPage(); }), badNewPage);
    Record(3);
    EXPECT_EQ(printer.PageNumber(), 3);
    EXPECT_EQ(TextOf(2), "page 2");
    EXPECT_EQ(TextOf(3), "none") << "the page being drawn is not in the store yet";
    // Asked for the printer in the middle of a recording run, which was
    // cancelled: refused before anything changes.
    printer.Cancel();
    platform::TCanvas* const canvas = printer.Canvas();
    printer.SetDestination(TQRPrinterDestination::Printer);
    const int applied = device.Writes;
    EXPECT_EQ(ErrorOf<EQRError>([&] { printer.BeginDoc(); }), notReady);
    EXPECT_EQ(device.Writes, applied);
    EXPECT_EQ(printer.Status(), TQRPrinterStatus::Busy);
    EXPECT_EQ(printer.AvailablePages(), 2);
    EXPECT_EQ(printer.Canvas(), canvas) << "the open page is still drawn on";
    printer.SetDestination(TQRPrinterDestination::Metafile);

    printer.EndDoc();
    EXPECT_EQ(printer.Status(), TQRPrinterStatus::Finished);
    EXPECT_EQ(printer.Canvas(), nullptr);
    EXPECT_EQ(TextOf(3), "page 3");
    EXPECT_TRUE(client.Received.empty()) << "posted, so nothing before the event loop runs";
    platform::ProcessPendingMessages();
    EXPECT_EQ(client.Received, (TLog{"page 1", "page 2", "page 3"}));
    // Each page is as large as the paper on the screen: A4 at 96 ppi.
    EXPECT_EQ(std::pair(printer.GetPage(1)->Width(), printer.GetPage(1)->Height()),
              std::pair(794, 1123));
    EXPECT_EQ(ErrorOf<EQRError>([&] { printer.NewPage(); }), badNewPage);
    EXPECT_EQ(ErrorOf<EQRError>([&] { printer.BeginDoc(); }), notReady);
    printer.EndDoc(); // a second time does nothing
    EXPECT_EQ(printer.PageList().PageCount(), 3);
}

TEST_F(PrinterFixture, CleanupCancelsARunAndAbortKeepsTheOpenPageUnannounced) {
    Record(2);
    printer.Cleanup();
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_EQ(printer.Status(), TQRPrinterStatus::Ready);
    EXPECT_EQ(printer.GetPage(1), nullptr);
    platform::ProcessPendingMessages();
    client.Received.clear();

    // A run without pages still ends with an announcement.
    Record(0);
    printer.EndDoc();
    platform::ProcessPendingMessages();
    EXPECT_EQ(client.Received, TLog{"page 1"});

    printer.Cleanup();
    client.Received.clear();
    Record(2);
    printer.Abort();
    EXPECT_EQ(printer.Status(), TQRPrinterStatus::Finished);
    EXPECT_EQ(TextOf(2), "page 2");
    platform::ProcessPendingMessages();
    EXPECT_EQ(client.Received, TLog{"page 1"}) << "only NewPage's";
    // The pages an aborted run kept are saved as a file that loads again.
    TTempDir dir;
    printer.Save(dir.File("aborted.qrp"));
    TQRPrinter loaded;
    loaded.Load(dir.File("aborted.qrp"));
    EXPECT_EQ(loaded.PageCount(), 2);
}

TEST_F(PrinterFixture, PositionsRoundHalvesToEvenFromThePrintableArea) {
    using Pixels = std::vector<int>;
    // Before a document the factors are 1, so halves show as they are.
    EXPECT_EQ((Pixels{printer.XSize(2.5L), printer.YSize(3.5L), printer.YSize(-2.5L),
                      printer.XSize(0.5L)}),
              (Pixels{2, 4, -2, 0}));
    printer.BeginDoc();
    EXPECT_EQ(printer.YFactor(), 96 / 254.0L);
    // The ticket name label: top 214.3125 is pixel 81, width 510.6458 is 193.
    EXPECT_EQ((Pixels{printer.YPos(214.3125L), printer.XSize(510.6458L), printer.XSize(1820),
                      printer.YSize(2570)}),
              (Pixels{81, 193, 688, 971}));

    // On the printer 5 mm from the paper's edge is the printable area's first pixel.
    printer.Cleanup();
    printer.SetDestination(TQRPrinterDestination::Printer);
    printer.SetFirstPage(7);
    int afterPrint = 0;
    printer.AfterPrint = [&](TQRPrinter&) { ++afterPrint; };
    const int applied = device.Writes;
    printer.BeginDoc();
    EXPECT_EQ(device.Writes, applied + 1);
    EXPECT_EQ((Pixels{printer.XPos(50), printer.YPos(100), printer.XPos(304), printer.XSize(254)}),
              (Pixels{0, 0, 300, 300}));
    // Pages before the range are drawn on throw-away pages at the screen's scale.
    for (int page = 1; page <= 3; ++page) {
        printer.NewPage();
        printer.Canvas()->TextOut(0, 0, "thrown away");
        EXPECT_EQ(printer.XFactor(), 96 / 254.0L);
        EXPECT_FALSE(printer.DevicePrinter().Printing());
    }
    printer.EndDoc();
    EXPECT_EQ(std::pair(afterPrint, printer.PageCount()), std::pair(1, 3));
    EXPECT_EQ(printer.PageList().PageCount(), 0);
}

// A printer without the report's paper and without custom sizes would put
// every text off its place: the operator is told before a job starts, and
// declining runs on as a cancelled print that starts none.
TEST(ReportPrinterPaper, APaperTheDeviceLacksIsToldBeforeAnyJob) {
    TAcceptingDevice device;
    device.Codes = std::vector<std::int16_t>{9};
    device.Record->Fields &= ~platform::dmPaperLength;
    std::vector<std::string> told;
    bool goOn = false;
    SetQRGoOnQuestion([&](const std::string& text) {
        told.push_back(text);
        return goOn;
    });
    for (const bool answer : {false, true}) {
        goOn = answer;
        TQRPrinter printer;
        printer.PrinterSettings().SetDevice(&device);
        printer.SetPaperSize(TQRPaperSize::B5);
        printer.SetDestination(TQRPrinterDestination::Printer);
        printer.BeginDoc();
        EXPECT_EQ(printer.Cancelled(), !answer);
        if (!answer) {
            printer.NewPage();
            EXPECT_FALSE(printer.DevicePrinter().Printing());
        }
        printer.Abort();
    }
    // Recording for the preview asks nothing, nor does a paper the device has.
    for (const auto destination :
         {TQRPrinterDestination::Metafile, TQRPrinterDestination::Printer}) {
        TQRPrinter printer;
        printer.PrinterSettings().SetDevice(&device);
        printer.SetPaperSize(destination == TQRPrinterDestination::Printer ? TQRPaperSize::A4
                                                                           : TQRPaperSize::B5);
        printer.SetDestination(destination);
        printer.BeginDoc();
        EXPECT_FALSE(printer.Cancelled());
        printer.Abort();
    }
    SetQRGoOnQuestion({});
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0], cp932::Sys("プリンタ Test Printer には B5 182 x 257 mm の用紙がありません。"
                                  "A4 210 x 297 mm の用紙に印刷すると、印字位置が合いません"));
}

TEST(ReportPrinterRange, ShouldPrintPageHonoursBothBounds) {
    TAcceptingDevice device;
    const struct {
        int first, last;
        const char* printed; // of pages 1 to 5
    } cases[] = {
        {0, 0, "11111"}, {2, 3, "01100"}, {3, 0, "00111"}, {0, 2, "11000"}, {4, 2, "00000"}};
    for (const auto& c : cases) {
        TQRPrinter printer;
        printer.PrinterSettings().SetDevice(&device);
        printer.SetFirstPage(c.first);
        printer.SetLastPage(c.last);
        printer.BeginDoc();
        std::string printed;
        for (int page = 1; page <= 5; ++page) {
            printer.NewPage();
            printed += printer.ShouldPrintPage() ? '1' : '0';
        }
        printer.EndDoc();
        EXPECT_EQ(printed, c.printed) << c.first << ".." << c.last;
    }
}

TEST_F(PrinterFixture, NotificationsReachOnlyTheClientOfTheMomentTheyArePosted) {
    printer.SetProgress(40);
    auto gone = std::make_unique<TClientLog>();
    printer.SetClient(gone.get());
    Record(2);
    printer.SetClient(nullptr);
    printer.SetProgress(60);
    gone.reset();
    platform::ProcessPendingMessages(); // must not reach the released client
    printer.EndDoc();
    platform::ProcessPendingMessages();
    EXPECT_EQ(client.Received, TLog{"progress 40"});
}

struct TFakePreview : TQRPreviewInterface {
    static inline std::vector<TQRPrinter*> Shown;
    static inline struct : TQRPreviewForm {
    } Form;
    TQRPreviewForm* Show(TQRPrinter& printer) override {
        Shown.push_back(&printer);
        return &Form;
    }
};

TEST_F(PrinterFixture, DetachingThePreviewDuringARunCancelsItAndFiresAfterPreviewOnce) {
    int afterPreview = 0;
    printer.AfterPreview = [&](TQRPrinter&) { ++afterPreview; };
    printer.SetShowingPreview(false);
    EXPECT_EQ(afterPreview, 0) << "detaching what never attached is only stored";
    printer.SetShowingPreview(true);
    Record(1);
    printer.SetShowingPreview(false);
    printer.SetShowingPreview(false);
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_FALSE(printer.ShowingPreview());
    EXPECT_EQ(afterPreview, 1);
    // After the run, detaching does not cancel anything.
    printer.Abort();
    printer.Cleanup();
    Record(0);
    printer.EndDoc();
    printer.SetShowingPreview(true);
    printer.SetShowingPreview(false);
    EXPECT_FALSE(printer.Cancelled());
}

// The preview opened is the registered one unless the report has its own.
TEST(ReportPrinterPreview, TheMasterPrintsAgainAndHearsOfTheClosingOfThePreview) {
    TAcceptingDevice device;
    TMasterLog master;
    auto printer = std::make_unique<TQRPrinter>();
    TQRPrinter* const sender = printer.get();
    printer->PrinterSettings().SetDevice(&device);
    printer->SetMaster(&master);
    printer->BeginDoc();
    printer->NewPage();
    printer->EndDoc();
    const int applied = device.Writes;
    printer->Print();
    EXPECT_EQ(master.PrintRequests, 0);
    platform::ProcessPendingMessages();
    EXPECT_EQ(master.PrintRequests, 1);
    EXPECT_EQ(device.Writes, applied);
    const TQRPreviewInterfaceClass registered = QRPreviewInterfaceClass();
    SetQRPreviewInterfaceClass(nullptr);
    printer->Preview();
    EXPECT_EQ(printer->PreviewForm(), nullptr) << "nothing registered opens no window";
    SetQRPreviewInterfaceClass([] { return std::make_unique<TFakePreview>(); });
    {
        printer->Preview();
        EXPECT_EQ(TFakePreview::Shown, std::vector<TQRPrinter*>{sender});
        EXPECT_EQ(printer->PreviewForm(), &TFakePreview::Form);
        int own = 0;
        printer->OnPreview = [&](TQRPrinter&) { ++own; };
        printer->Preview();
        EXPECT_EQ(own, 1);
        EXPECT_EQ(TFakePreview::Shown.size(), 1u);
    }
    SetQRPreviewInterfaceClass(registered);
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
} // namespace zel::test
