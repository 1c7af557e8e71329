#include "output/printer_settings.h"
#include "page/paper_extent.h"
#include "tests/support/print_queue.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

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
    EXPECT_EQ(settings.Device(), queue.Name);
    EXPECT_LE(settings.Driver().size(), 63u);
    EXPECT_EQ(settings.PixelsPerX(), printer.PixelsPerInch().Width);
    EXPECT_EQ(settings.Copies(), 1);
    EXPECT_FALSE(settings.Duplex());
    EXPECT_EQ(PaperSizeOfCode(printer.DeviceSettings().PaperSize), settings.PaperSize());
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
    EXPECT_EQ(std::pair(record.Copies, record.DefaultSource), std::pair(2, 14));
    // Read again, the device reports its page as it now lies.
    settings.ReadDeviceSettings();
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

} // namespace
} // namespace zel
