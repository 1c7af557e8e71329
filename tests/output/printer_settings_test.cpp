#include "output/bins.h"
#include "output/printer_settings.h"
#include "page/paper_extent.h"
#include "platform/cp932.h"
#include "tests/output/report_printer_test_support.h"

#include <array>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>

namespace zel::test {
namespace {

using platform::TDeviceSettings;

struct TReadBack {
    int copies = 1;
    TQRBin bin = TQRBin::First;
    bool duplex = false;
    TQRPaperSize paper = TQRPaperSize::Default;
    TPrinterOrientation orientation = TPrinterOrientation::poPortrait;
    bool operator==(const TReadBack&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TReadBack& r) {
    return out << "copies " << r.copies << ", bin " << int(r.bin) << ", duplex " << r.duplex
               << ", paper " << int(r.paper) << ", orientation " << int(r.orientation);
}

struct PrinterSettings : ::testing::Test {
    void Attach() { settings.SetDevice(&device); }
    TReadBack Read() const {
        return {settings.Copies(), settings.OutputBin(), settings.Duplex(), settings.PaperSize(),
                settings.Orientation()};
    }
    // Left and top offsets, paper width and length, in tenths of a millimetre.
    std::array<int, 4> Geometry() const {
        return {settings.LeftOffset(), settings.TopOffset(), settings.PaperWidth(),
                settings.PaperLength()};
    }

    TTestDevice device;
    TPrinterSettings settings;
};

TEST(Bins, CodesReadBackAsTheFirstBinWithThem) {
    EXPECT_EQ(std::pair(BinOfCode(1), BinOfCode(14)), std::pair(TQRBin::First, TQRBin::Cassette));
    for (const int unknown : {-1, 0, 13, 15, 256 + 14})
        EXPECT_EQ(BinOfCode(unknown), TQRBin::First) << unknown;
}

TEST(PaperCodes, CustomIsTheUserCodeAndOtherCodesAreNoSize) {
    EXPECT_EQ(PaperSizeOfCode(0), TQRPaperSize::Default);
    EXPECT_EQ(PaperSizeCode(TQRPaperSize::B5), 13);
    EXPECT_EQ(PaperSizeOfCode(26), TQRPaperSize::ESheet);
    EXPECT_EQ(PaperSizeCode(TQRPaperSize::Custom), 256);
    EXPECT_EQ(PaperSizeOfCode(256), TQRPaperSize::Custom);
    for (const int none : {-1, 27, 255, 257})
        EXPECT_EQ(PaperSizeOfCode(none), std::nullopt) << none;
}

TEST(PaperExtent, NamedSizesAndDefaultTurnInLandscapeCustomDoesNot) {
    using O = TPrinterOrientation;
    const struct {
        TQRPaperSize size;
        O orientation;
        TPaperExtent expected, given{1000, 2000};
    } cases[] = {
        {TQRPaperSize::B5, O::poPortrait, {1820, 2570}},
        {TQRPaperSize::B5, O::poLandscape, {2570, 1820}},
        {TQRPaperSize::Ledger, O::poPortrait, {4318, 2794}},
        {TQRPaperSize::Default, O::poPortrait, {1000, 2000}},
        {TQRPaperSize::Default, O::poLandscape, {2000, 1000}},
        // The device's page read while it lay across.
        {TQRPaperSize::Default, O::poPortrait, {1000, 2000}, {2000, 1000}},
        {TQRPaperSize::Default, O::poLandscape, {2000, 1000}, {2000, 1000}},
        {TQRPaperSize::Custom, O::poLandscape, {1000, 2000}},
        {TQRPaperSize::Custom, O::poPortrait, {2000, 1000}, {2000, 1000}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PaperExtent(c.size, c.orientation, c.given.Width, c.given.Length), c.expected)
            << static_cast<int>(c.size) << " " << static_cast<int>(c.orientation);
}

// No device to refuse anything: the report's paper is kept, so the preview
// shows the paper the report is laid out on.
TEST_F(PrinterSettings, WithoutAnyPrinterEveryValueIsTaken) {
    device.Count = 0;
    device.Record.reset();
    Attach();
    EXPECT_EQ(Read(), TReadBack{.paper = TQRPaperSize::A4});
    EXPECT_EQ(std::pair(settings.LeftOffset(), settings.TopOffset()), std::pair(0, 0));
    EXPECT_EQ(settings.Device(), "");

    settings.SetPaperSize(TQRPaperSize::B5);
    settings.SetOrientation(TPrinterOrientation::poLandscape);
    settings.SetCopies(3);
    settings.SetOutputBin(TQRBin::Manual);
    EXPECT_EQ(Read(), (TReadBack{3, TQRBin::Manual, false, TQRPaperSize::B5,
                                 TPrinterOrientation::poLandscape}));

    settings.SetPrinterIndex(0);
    EXPECT_TRUE(device.Selected.empty());
    settings.ApplySettings();
    EXPECT_EQ(device.Writes, 0);
}

TEST_F(PrinterSettings, ReadsWhatTheDeviceAnnounces) {
    device.Record->Copies = 3;
    device.Record->DefaultSource = 14;
    device.Record->Duplex = platform::kDuplexVertical;
    device.Record->PaperSize = 13;
    device.Dpi = {600, 300};
    device.Offset = platform::TPoint{71, 35};
    device.Page = platform::TSize{4299, 3036};
    Attach();

    EXPECT_EQ(settings.Device() + "|" + settings.Driver() + "|" + settings.Port(),
              "Test Printer|TESTDRV|LPT1:");
    EXPECT_EQ(std::pair(settings.PixelsPerX(), settings.PixelsPerY()), std::pair(600, 300));
    // Orientation and duplex are the report's to choose: reading leaves them.
    EXPECT_EQ(Read(), (TReadBack{.copies = 3, .bin = TQRBin::Cassette, .paper = TQRPaperSize::B5}));
    // Offsets 30.06 and 29.63 tenths.
    EXPECT_EQ(Geometry(), (std::array{30, 30, 1820, 2570}));
}

TEST_F(PrinterSettings, FieldsNotAnnouncedReadAsTheirDefaults) {
    device.Record = TDeviceSettings{.Fields = 0,
                                    .PaperSize = 13,
                                    .Copies = 4,
                                    .DefaultSource = 4,
                                    .Duplex = platform::kDuplexHorizontal};
    Attach();
    EXPECT_EQ(Read(), TReadBack{});

    // Announced but simplex; a paper code none of the sizes has.
    device.Record = TDeviceSettings{.Fields = kAllFields, .PaperSize = 118, .Duplex = 1};
    settings.ReadDeviceSettings();
    EXPECT_EQ(Read(), TReadBack{.bin = TQRBin::Auto});
}

TEST_F(PrinterSettings, UnansweredQueriesLeaveOffsetsAtZeroAndLengthsRoundHalvesToEven) {
    device.Offset = platform::TPoint{100, 100};
    device.Page = platform::TSize{5000, 7000};
    Attach();
    ASSERT_NE(Geometry(), (std::array{0, 0, 0, 0}));
    device.Offset.reset();
    device.Page.reset();
    settings.ReadDeviceSettings();
    EXPECT_EQ(Geometry(), (std::array{0, 0, 0, 0}));
    // Nor does a device without a resolution divide by zero.
    device.Offset = platform::TPoint{100, 100};
    device.Dpi = {0, 0};
    settings.ReadDeviceSettings();
    EXPECT_EQ(settings.LeftOffset(), 0);
    device.Dpi = {508, 508}; // one pixel is exactly 0.5 tenths
    const std::pair<int, int> cases[] = {{1, 0}, {3, 2}, {5, 2}, {-3, -2}};
    for (const auto& [pixels, tenths] : cases) {
        device.Offset = platform::TPoint{pixels, pixels};
        Attach();
        EXPECT_EQ(settings.LeftOffset(), tenths) << pixels;
    }
}

TEST_F(PrinterSettings, DriverIsTheFileNameOfItsPath) {
    const std::string hyo = cp932::FromUtf8("表"); // its second byte is a backslash
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\WINDOWS\\SYSTEM\\PSCRIPT.DRV", "PSCRIPT.DRV"},
        {"HP:LaserJet", "LaserJet"},
        {"trailing\\", ""},
        {"dir\\" + hyo + "drv", hyo + "drv"},
        {std::string(70, 'x'), std::string(63, 'x')},
        // 62 bytes then a double-byte character: not cut in half.
        {std::string(62, 'x') + hyo, std::string(62, 'x')},
    };
    for (const auto& [path, name] : cases) {
        device.Driver = path;
        Attach();
        EXPECT_EQ(settings.Driver(), name) << path;
    }
    device.Device = std::string(200, 'd');
    settings.ReadDeviceSettings();
    EXPECT_EQ(settings.Device(), std::string(127, 'd'));
}

TEST_F(PrinterSettings, OnlyOfferedPapersAreTaken) {
    device.Record->PaperSize = 9;
    device.Codes = std::vector<std::int16_t>{0, 9, 10, 300, 256};
    Attach();
    for (int i = 0; i < kPaperSizeCount; ++i) {
        const auto size = static_cast<TQRPaperSize>(i);
        const bool offered = size == TQRPaperSize::A4 || size == TQRPaperSize::A4Small ||
                             size == TQRPaperSize::Custom;
        EXPECT_EQ(settings.PaperSizes(size), offered) << i;
    }
    // Each request leaves the paper it was given or the one before.
    const auto expectAfter = [&](TQRPaperSize asked, TQRPaperSize taken) {
        settings.SetPaperSize(asked);
        EXPECT_EQ(settings.PaperSize(), taken) << int(asked);
    };
    // A device that takes custom sizes takes a named paper it lacks as one.
    expectAfter(TQRPaperSize::B5, TQRPaperSize::B5);
    EXPECT_EQ(settings.RefusedPaper(), std::nullopt);

    // One that does not keeps its paper and says which was refused, until
    // a paper it has is asked for.
    device.Record->Fields &= ~platform::dmPaperWidth;
    settings.ReadDeviceSettings();
    expectAfter(TQRPaperSize::B5, TQRPaperSize::A4);
    EXPECT_EQ(settings.RefusedPaper(), TQRPaperSize::B5);
    expectAfter(TQRPaperSize::A4Small, TQRPaperSize::A4Small);
    EXPECT_EQ(settings.RefusedPaper(), std::nullopt);
    expectAfter(TQRPaperSize::Custom, TQRPaperSize::Custom);

    // A device that cannot list its papers takes only Custom and Default.
    device.Codes.reset();
    settings.ReadDeviceSettings();
    EXPECT_FALSE(settings.PaperSizes(TQRPaperSize::A4));
    expectAfter(TQRPaperSize::B5, TQRPaperSize::A4);
    expectAfter(TQRPaperSize::Custom, TQRPaperSize::Custom);

    // Pages made without a printer are on the paper the report asked for.
    settings.SetPaperSize(TQRPaperSize::B5);
    settings.SetDevice(nullptr);
    EXPECT_EQ(settings.PaperSize(), TQRPaperSize::B5);
    expectAfter(TQRPaperSize::A5, TQRPaperSize::A5);
}

// A driver's margins differ from one paper to another: the offsets in
// force are those of the paper the job is sent on.
TEST_F(PrinterSettings, OffsetsAndPageFollowThePaperApplied) {
    struct TMarginsByPaper : TTestDevice {
        std::optional<platform::TPoint> PrintingOffset() const override {
            return Record->PaperSize == 13 ? platform::TPoint{175, 118}
                                           : platform::TPoint{100, 118};
        }
        std::optional<platform::TSize> PhysicalPageSize() const override {
            return Record->PaperSize == 13 ? platform::TSize{4299, 6071}
                                           : platform::TSize{4961, 7016};
        }
    } margins;
    margins.Record->PaperSize = 9;
    margins.Codes = std::vector<std::int16_t>{9, 13};
    settings.SetDevice(&margins);
    ASSERT_EQ(Geometry(), (std::array{42, 50, 2100, 2970}));
    settings.SetPaperSize(TQRPaperSize::B5);
    settings.ApplySettings();
    EXPECT_EQ(Geometry(), (std::array{74, 50, 1820, 2570}));

    // A device without B5 that takes custom sizes gets B5's dimensions.
    margins.Codes = std::vector<std::int16_t>{9};
    margins.Record->PaperSize = 9;
    settings.ReadDeviceSettings();
    settings.SetPaperSize(TQRPaperSize::B5);
    settings.ApplySettings();
    EXPECT_EQ((std::array{margins.Record->PaperSize, margins.Record->PaperWidth,
                          margins.Record->PaperLength}),
              (std::array{platform::kPaperUser, 1820, 2570}));
}

TEST_F(PrinterSettings, CustomWidthAndLengthOnlyWhileTheSizeIsCustom) {
    device.Record->PaperSize = 13;
    device.Page = platform::TSize{4299, 6071};
    Attach();
    settings.SetPaperWidth(1000);
    settings.SetPaperLength(1500);
    EXPECT_EQ(std::pair(settings.PaperWidth(), settings.PaperLength()), std::pair(1820, 2570));
    settings.SetPaperSize(TQRPaperSize::Custom);
    settings.SetPaperWidth(1000);
    settings.SetPaperLength(1500);
    EXPECT_EQ(std::pair(settings.PaperWidth(), settings.PaperLength()), std::pair(1000, 1500));
}

TEST_F(PrinterSettings, SettersKeepTheDevicesValueForFieldsItDoesNotTake) {
    device.Record->Copies = 2;
    device.Record->DefaultSource = 3;
    Attach();
    const auto setAll = [&](int copies, TQRBin bin, TPrinterOrientation orientation) {
        settings.SetCopies(copies);
        settings.SetOutputBin(bin);
        settings.SetOrientation(orientation);
        return Read();
    };
    const TReadBack set{.copies = 5,
                        .bin = TQRBin::Manual,
                        .paper = TQRPaperSize::A4,
                        .orientation = TPrinterOrientation::poLandscape};
    EXPECT_EQ(setAll(5, TQRBin::Manual, TPrinterOrientation::poLandscape), set);

    device.Record->Fields = platform::dmPaperSize;
    settings.ReadDeviceSettings();
    EXPECT_EQ(
        setAll(7, TQRBin::Tractor, TPrinterOrientation::poPortrait),
        (TReadBack{.paper = TQRPaperSize::A4, .orientation = TPrinterOrientation::poLandscape}));
}

TEST_F(PrinterSettings, ApplyWritesEveryFieldTheRulesAllow) {
    device.Record->PaperSize = 9;
    device.Record->Duplex = platform::kDuplexVertical;
    device.Record->DefaultSource = 7;
    Attach();
    settings.SetPaperSize(TQRPaperSize::B5);
    settings.SetCopies(2);
    settings.SetOutputBin(TQRBin::Last);
    settings.SetOrientation(TPrinterOrientation::poLandscape);
    settings.ApplySettings();
    ASSERT_EQ(device.Writes, 1);
    EXPECT_EQ(std::pair(device.Record->PaperSize, device.Record->Copies), std::pair(13, 2));
    EXPECT_EQ(device.Record->DefaultSource, 14);
    EXPECT_EQ(device.Record->Orientation, platform::kOrientationLandscape);
    // The driver's two-sided default is not the report's: one-sided, unless
    // asked, and then as asked.
    EXPECT_EQ(device.Record->Duplex, platform::kDuplexSimplex);
    for (const int mode : {platform::kDuplexHorizontal, platform::kDuplexVertical}) {
        settings.SetDuplexMode(mode);
        settings.ApplySettings();
        EXPECT_EQ(device.Record->Duplex, mode);
    }
    settings.SetDuplex(false);

    // Default keeps the device's paper.
    settings.SetPaperSize(TQRPaperSize::Default);
    settings.SetOrientation(TPrinterOrientation::poPortrait);
    settings.ApplySettings();
    EXPECT_EQ(device.Record->PaperSize, 13);
    EXPECT_EQ(device.Record->Orientation, platform::kOrientationPortrait);

    // The source keeps the driver's bit, 256, and only that.
    const struct {
        int old;
        TQRBin bin;
        int written;
    } sources[] = {
        {256 + 2, TQRBin::Last, 256 + 14}, {512 + 7, TQRBin::Lower, 2}, {7, TQRBin::Cassette, 14}};
    for (const auto& c : sources) {
        settings.SetOutputBin(c.bin);
        device.Record->DefaultSource = c.old;
        settings.ApplySettings();
        EXPECT_EQ(device.Record->DefaultSource, c.written) << c.old;
    }
}

TEST_F(PrinterSettings, ApplyAddsTheFieldsItWritesAndOnlyThose) {
    device.Record =
        TDeviceSettings{.Fields = 0, .PaperSize = 9, .PaperLength = 11, .PaperWidth = 22};
    device.Codes = std::vector<std::int16_t>{13};
    Attach();
    // The papers offered come from the paper list, the mask from the record.
    settings.SetPaperSize(TQRPaperSize::B5);
    ASSERT_EQ(settings.PaperSize(), TQRPaperSize::B5);
    settings.ApplySettings();
    EXPECT_EQ(device.Record->Fields, platform::dmCopies | platform::dmDefaultSource |
                                         platform::dmOrientation | platform::dmDuplex);
    EXPECT_EQ(device.Record->PaperSize, 9);

    // Custom lengths go only where the mask has them.
    settings.SetPaperSize(TQRPaperSize::Custom);
    settings.SetPaperWidth(1234);
    settings.SetPaperLength(2345);
    device.Record->Fields = platform::dmPaperWidth | platform::dmPaperSize;
    settings.ApplySettings();
    EXPECT_EQ(std::pair(device.Record->PaperWidth, device.Record->PaperLength),
              std::pair(1234, 11));
    device.Record->Fields = platform::dmPaperLength;
    settings.ApplySettings();
    EXPECT_EQ(device.Record->PaperLength, 2345);
}

TEST_F(PrinterSettings, SelectingAPrinterReadsItsDriversDefaults) {
    device.Count = 2;
    device.Record->Copies = 9;
    device.Defaults.Copies = 2;
    device.Defaults.PaperSize = 13;
    Attach();
    ASSERT_EQ(settings.Copies(), 9);
    settings.SetPrinterIndex(1);
    EXPECT_EQ(device.Selected, std::vector<int>{1});
    EXPECT_EQ(std::pair(settings.Copies(), settings.PaperSize()), std::pair(2, TQRPaperSize::B5));
    settings.SetPrinterIndex(-1);
    EXPECT_EQ(device.Selected, (std::vector<int>{1, -1}));
    EXPECT_EQ(settings.PrinterIndex(), 0);
}

TEST_F(PrinterSettings, ABackEndWithoutARecordReadsDefaultsAndWritesNothing) {
    device.Record.reset();
    device.Dpi = {300, 300};
    Attach();
    EXPECT_EQ(settings.PixelsPerX(), 300);
    EXPECT_EQ(Read(), TReadBack{});
    EXPECT_TRUE(settings.PaperSizes(TQRPaperSize::B5));
    settings.SetPaperSize(TQRPaperSize::B5);
    settings.ApplySettings();
    EXPECT_EQ(device.Writes, 0);
}

} // namespace
} // namespace zel::test
