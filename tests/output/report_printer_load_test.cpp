#include "output/report_printer.h"
#include "page/paper_extent.h"
#include "platform/file_system.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace zel::test {
namespace {

constexpr long double kScreenFactor = 96 / 254.0L;

TEST(PaperOfPage, MatchesTheTableInUnitsOfFourMillimetres) {
    using enum TQRPaperSize;
    using enum TPrinterOrientation;
    const struct {
        int width, height;
        std::optional<TPageOfPaper> paper;
    } cases[] = {
        {688, 971, TPageOfPaper{B5, poPortrait}},
        // A4 and A4 Small share a size: the later row wins.
        {794, 1123, TPageOfPaper{A4Small, poPortrait}},
        // Letter, Letter Small and Note come out as Note.
        {816, 1056, TPageOfPaper{Note, poPortrait}},
        // The square sheets match both ways; landscape is tried last.
        {378, 378, TPageOfPaper{ESheet, poLandscape}},
        {466, 567, std::nullopt},
        {0, 0, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PaperOfPage(c.width, c.height, kScreenFactor), c.paper)
            << c.width << " x " << c.height;
    EXPECT_EQ(PaperOfPage(688, 971, 0), std::nullopt);
}

std::string SavedRun(const TTempDir& dir, int pages, TQRPaperSize paper,
                     TPrinterOrientation orientation) {
    TAcceptingDevice device;
    TQRPrinter printer;
    printer.PrinterSettings().SetDevice(&device);
    printer.SetPaperSize(paper);
    if (paper == TQRPaperSize::Custom) {
        printer.SetPaperWidth(1234);
        printer.SetPaperLength(1500);
    }
    printer.SetOrientation(orientation);
    printer.SetCompression(true);
    printer.BeginDoc();
    for (int page = 1; page <= pages; ++page) {
        printer.NewPage();
        printer.Canvas()->TextOut(10, 10, "saved " + std::to_string(page));
    }
    static int runs = 0;
    const std::string file = dir.File("run" + std::to_string(++runs) + ".qrp");
    printer.Save(file); // not yet: the run is still going
    EXPECT_FALSE(platform::FileExists(file));
    printer.EndDoc();
    printer.Save(file);
    return file;
}

TEST(ReportPrinterLoad, ASavedRunComesBackWithItsPagesAndPaperWithOrWithoutAPrinter) {
    using enum TQRPaperSize;
    using enum TPrinterOrientation;
    const TTempDir dir;
    const struct {
        TQRPaperSize paper;
        TPrinterOrientation orientation;
        TQRPaperSize loaded;
        TPrinterOrientation loadedOrientation;
    } cases[] = {
        {B5, poPortrait, B5, poPortrait},
        {B5, poLandscape, B5, poLandscape},
        // No row matches: paper and orientation stay as they were.
        {Custom, poPortrait, A4, poPortrait},
    };
    for (const auto& c : cases) {
        const std::string file = SavedRun(dir, 3, c.paper, c.orientation);
        TAcceptingDevice device;
        TQRPrinter printer;
        printer.PrinterSettings().SetDevice(&device);
        printer.OnPrintSetup = [](TQRPrinter&) {};
        printer.Load(file);
        SCOPED_TRACE(static_cast<int>(c.paper));
        EXPECT_EQ(printer.Status(), TQRPrinterStatus::Finished);
        EXPECT_TRUE(printer.LoadedFromFile() && !printer.OnPrintSetup);
        EXPECT_EQ(printer.XFactor(), kScreenFactor);
        EXPECT_EQ(std::pair(printer.PaperSize(), printer.Orientation()),
                  std::pair(c.loaded, c.loadedOrientation));
        const auto page = printer.GetPage(3);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(std::get<platform::TTextOutRecord>(page->Page().Records().back()).Text,
                  "saved 3");
    }
    // A loaded B5 page sizes the preview on whatever printer there is, or none.
    TQRPrinter any;
    any.Load(SavedRun(dir, 1, TQRPaperSize::B5, TPrinterOrientation::poLandscape));
    EXPECT_EQ(std::pair(any.PaperWidth(), any.PaperLength()), std::pair(2570, 1820));
}

TEST(ReportPrinterLoad, LoadingDuringARunCancelsIt) {
    const TTempDir dir;
    const std::string file = SavedRun(dir, 2, TQRPaperSize::B5, TPrinterOrientation::poPortrait);
    TAcceptingDevice device;
    TQRPrinter printer;
    printer.PrinterSettings().SetDevice(&device);
    printer.BeginDoc();
    printer.NewPage();
    printer.Canvas()->TextOut(0, 0, "still drawing");
    printer.Load(file);
    EXPECT_TRUE(printer.Cancelled());
    // The run ends as a cancelled run does; the loaded pages stay as read.
    printer.Abort();
    EXPECT_EQ(printer.Status(), TQRPrinterStatus::Finished);
    EXPECT_EQ(std::pair(printer.PageCount(), printer.PageList().PageCount()), std::pair(2, 2));
}

} // namespace
} // namespace zel::test
