#include "framework/exceptions.h"
#include "output/report_printer.h"
#include "page/paper_extent.h"
#include "platform/cp932.h"
#include "platform/file_system.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using test::TAcceptingDevice;

constexpr long double kScreenFactor = 96 / 254.0L;

TEST(PaperOfPage, MatchesTheTableInUnitsOfFourMillimetres) {
    using enum TQRPaperSize;
    using enum TPrinterOrientation;
    const struct {
        int width, height;
        std::optional<TPageOfPaper> paper;
    } cases[] = {
        {688, 971, TPageOfPaper{B5, poPortrait}},
        {971, 688, TPageOfPaper{B5, poLandscape}},
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

// Records a run of `pages` pages on `paper` in `orientation`, saves it and
// gives the file's name.
std::string SavedRun(const test::TTempDir& dir, int pages, TQRPaperSize paper,
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

TEST(ReportPrinterLoad, ASavedRunComesBackWithItsPagesAndPaper) {
    using enum TQRPaperSize;
    using enum TPrinterOrientation;
    const test::TTempDir dir;
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
        EXPECT_TRUE(printer.LoadedFromFile() && printer.PageList().Compression());
        EXPECT_FALSE(printer.OnPrintSetup);
        EXPECT_EQ(printer.PageCount(), 3);
        EXPECT_EQ(printer.XFactor(), kScreenFactor);
        EXPECT_EQ(printer.Stream(), printer.PageList().Stream());
        EXPECT_EQ(std::pair(printer.PaperSize(), printer.Orientation()),
                  std::pair(c.loaded, c.loadedOrientation));
        const auto page = printer.GetPage(3);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(std::get<platform::TTextOutRecord>(page->Page().Records().back()).Text,
                  "saved 3");
        EXPECT_EQ(printer.GetPage(4), nullptr);
    }
}

TEST(ReportPrinterLoad, ALoadedB5PageSizesThePreviewWithoutAPrinter) {
    const test::TTempDir dir;
    const std::string file = SavedRun(dir, 1, TQRPaperSize::B5, TPrinterOrientation::poLandscape);
    TQRPrinter printer; // whatever printer there is, or none
    printer.Load(file);
    EXPECT_EQ(std::pair(printer.PaperWidth(), printer.PaperLength()), std::pair(2570, 1820));
    // Asking for a paper again hands the choice back to the device.
    printer.SetPaperSize(TQRPaperSize::Default);
    EXPECT_EQ(printer.PaperSize(), TQRPaperSize::Default);
}

TEST(ReportPrinterLoad, AFileThatCannotBeReadLeavesThePagesShown) {
    const test::TTempDir dir;
    TAcceptingDevice device;
    TQRPrinter printer;
    printer.PrinterSettings().SetDevice(&device);
    printer.BeginDoc();
    printer.NewPage();
    printer.NewPage();
    printer.EndDoc();

    const std::string missing = dir.File("missing.qrp");
    try {
        printer.Load(missing);
        FAIL() << "loaded a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), cp932::FromUtf8("ファイル " + missing + " は開けません"));
    }
    const std::string broken = dir.File("broken.qrp");
    test::WriteAll(broken, std::string(200, 'x'));
    EXPECT_THROW(printer.Load(broken), EFileError);

    EXPECT_EQ(printer.Status(), TQRPrinterStatus::Finished);
    EXPECT_FALSE(printer.LoadedFromFile());
    EXPECT_EQ(printer.PageCount(), 2);
    EXPECT_NE(printer.GetPage(2), nullptr);
}

TEST(ReportPrinterLoad, LoadingDuringARunCancelsIt) {
    const test::TTempDir dir;
    const std::string file = SavedRun(dir, 2, TQRPaperSize::B5, TPrinterOrientation::poPortrait);
    TAcceptingDevice device;
    TQRPrinter printer;
    printer.PrinterSettings().SetDevice(&device);
    printer.BeginDoc();
    printer.NewPage();
    printer.Canvas()->TextOut(0, 0, "still drawing");
    printer.Load(file);
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_EQ(printer.Status(), TQRPrinterStatus::Finished);
    // The run ends as a cancelled run does; the loaded pages stay as read.
    printer.Abort();
    EXPECT_EQ(printer.Status(), TQRPrinterStatus::Finished);
    EXPECT_EQ(std::pair(printer.PageCount(), printer.PageList().PageCount()), std::pair(2, 2));
}

} // namespace
} // namespace zel
