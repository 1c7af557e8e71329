// Printer settings on the spooler's real queue: what the driver reports and
// what a job is printed with.

#include "output/printer_settings.h"
#include "page/paper_extent.h"
#include "platform/cp932.h"
#include "tests/support/print_queue.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

namespace zel {
namespace {

// Device pixels to tenths of a millimetre.
double Tenths(int pixels, int dpi) {
    return pixels * 254.0 / dpi;
}

// Settings on the test queue's printer, selected with its driver's defaults.
class PrinterSettingsOnQueue : public testing::Test {
protected:
    void SetUp() override {
        REQUIRE_TEST_QUEUE(found);
        queue = *found;
        settings.SetPrinter(&printer);
        settings.SetPrinterIndex(queue.Index);
    }

    test::TTestQueue queue;
    platform::TPrinter printer;
    TPrinterSettings settings;
};

TEST_F(PrinterSettingsOnQueue, ReadsTheDriversDefaults) {
    EXPECT_EQ(settings.PrinterIndex(), queue.Index);
    EXPECT_EQ(settings.Device(), queue.Name);
    EXPECT_FALSE(settings.Driver().empty());
    EXPECT_LE(settings.Driver().size(), 63u);

    const platform::TSize dpi = printer.PixelsPerInch();
    ASSERT_GT(dpi.Width, 0);
    EXPECT_EQ(settings.PixelsPerX(), dpi.Width);
    EXPECT_EQ(settings.PixelsPerY(), dpi.Height);
    EXPECT_EQ(settings.Copies(), 1);
    EXPECT_FALSE(settings.Duplex());
    EXPECT_EQ(settings.Orientation(), TPrinterOrientation::poPortrait);
    for (const TQRPaperSize offered : {TQRPaperSize::Letter, TQRPaperSize::A3, TQRPaperSize::A4,
                                       TQRPaperSize::B4, TQRPaperSize::B5, TQRPaperSize::Custom})
        EXPECT_TRUE(settings.PaperSizes(offered)) << static_cast<int>(offered);
    // Sizes the spooler knows only by the first code of their dimensions.
    EXPECT_FALSE(settings.PaperSizes(TQRPaperSize::A4Small));
    EXPECT_FALSE(settings.PaperSizes(TQRPaperSize::Default));

    // The driver's default paper, and its physical page in tenths.
    const int code = printer.DeviceSettings().PaperSize;
    ASSERT_EQ(PaperSizeOfCode(code), settings.PaperSize());
    const auto paper = platform::PaperCodeSize(code);
    ASSERT_TRUE(paper.has_value()) << code;
    EXPECT_NEAR(settings.PaperWidth(), paper->Width * 10, 5);
    EXPECT_NEAR(settings.PaperLength(), paper->Length * 10, 5);
    const platform::TPoint offset = printer.PrintingOffset();
    EXPECT_NEAR(settings.LeftOffset(), Tenths(offset.X, dpi.Width), 0.5);
    EXPECT_NEAR(settings.TopOffset(), Tenths(offset.Y, dpi.Height), 0.5);
    EXPECT_GE(settings.LeftOffset(), 0);
    EXPECT_LT(settings.LeftOffset(), settings.PaperWidth() / 2);
}

TEST_F(PrinterSettingsOnQueue, AppliedSettingsBecomeTheDevicesOwn) {
    settings.SetPaperSize(TQRPaperSize::B5);
    settings.SetOrientation(TPrinterOrientation::poLandscape);
    settings.SetCopies(2);
    settings.SetOutputBin(TQRBin::Last);
    settings.ApplySettings();

    const platform::TDeviceSettings record = printer.DeviceSettings();
    EXPECT_EQ(record.PaperSize, 13);
    EXPECT_EQ(record.Orientation, platform::kOrientationLandscape);
    EXPECT_EQ(record.Copies, 2);
    EXPECT_EQ(record.DefaultSource, 14);
    // Read again, the device reports its page as it now lies.
    settings.ReadDeviceSettings();
    EXPECT_EQ(settings.PaperSize(), TQRPaperSize::B5);
    EXPECT_EQ(settings.Copies(), 2);
    EXPECT_EQ(settings.OutputBin(), TQRBin::Cassette);
    EXPECT_NEAR(settings.PaperWidth(), 2570, 5);
    EXPECT_NEAR(settings.PaperLength(), 1820, 5);

    // A new selection starts again from the driver's defaults.
    settings.SetPrinterIndex(queue.Index);
    EXPECT_EQ(printer.DeviceSettings().Orientation, platform::kOrientationPortrait);
    EXPECT_EQ(settings.Copies(), 1);
}

TEST_F(PrinterSettingsOnQueue, CustomPaperReachesTheDeviceWhenItTakesCustomSizes) {
    const std::uint32_t custom = platform::dmPaperWidth | platform::dmPaperLength;
    if ((printer.DeviceSettings().Fields & custom) != custom)
        GTEST_SKIP() << queue.Name << " takes no custom paper sizes";
    settings.SetPaperSize(TQRPaperSize::Custom);
    settings.SetPaperWidth(1000);
    settings.SetPaperLength(1500);
    settings.ApplySettings();
    EXPECT_EQ(printer.DeviceSettings().PaperSize, platform::kPaperUser);
    settings.ReadDeviceSettings();
    EXPECT_EQ(settings.PaperSize(), TQRPaperSize::Custom);
    EXPECT_NEAR(settings.PaperWidth(), 1000, 5);
    EXPECT_NEAR(settings.PaperLength(), 1500, 5);
}

TEST_F(PrinterSettingsOnQueue, AJobPrintsOnThePaperTheSettingsAskFor) {
    settings.SetPaperSize(TQRPaperSize::A5);
    settings.SetOrientation(TPrinterOrientation::poLandscape);
    settings.ApplySettings();

    const std::string title =
        "zelmark-settings-a5-" + std::to_string(QCoreApplication::applicationPid());
    printer.SetTitle(title);
    ASSERT_TRUE(printer.BeginDoc());
    printer.Canvas()->TextOut(100, 100, "A5 landscape");
    ASSERT_TRUE(printer.EndDoc());

    const QString pdf = test::WaitForPdf(queue.OutputFolder, title);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF appeared in " << queue.OutputFolder.toStdString();
    const QString info = test::RunTool("pdfinfo", {pdf});
    const QRegularExpressionMatch size =
        QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts").match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    const double width = size.captured(1).toDouble() * 25.4 / 72;
    const double length = size.captured(2).toDouble() * 25.4 / 72;
    EXPECT_NEAR(std::min(width, length), 148, 1.0) << info.toStdString();
    EXPECT_NEAR(std::max(width, length), 210, 1.0) << info.toStdString();
    EXPECT_TRUE(test::RunTool("pdftotext", {pdf, "-"}).contains("A5 landscape"));
    QFile::remove(pdf);
}

} // namespace
} // namespace zel
