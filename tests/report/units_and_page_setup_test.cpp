// Lengths held in tenths of a millimetre and read in a unit: rounding, the conversions, the Size
// holders of bands and controls, and the page setup with what it tells its report.

#include "report/controls/page_setup.h"
#include "report/controls/report_units_and_zoom.h"
#include "report/controls/size_holders.h"
#include "tests/support/error_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace zel {
namespace {

using Calls = std::vector<std::string>;

double D(long double v) {
    return static_cast<double>(v);
}

// Records what the holders ask of their report.
class TRecordingReport : public TQRUnitsReport {
public:
    explicit TRecordingReport(long double points = 10) : m_Points(points) {}
    long double FontSizePoints() const override { return m_Points; }
    void SetPixelSize(int width, int height) override {
        calls.push_back("size " + std::to_string(width) + "x" + std::to_string(height));
        if (onResize)
            onResize();
    }
    void ArrangeBands() override { calls.push_back("arrange"); }
    void Repaint() override { calls.push_back("repaint"); }
    void ReapplyUnits() override { calls.push_back("units"); }

    Calls calls;
    std::function<void()> onResize;

private:
    long double m_Points;
};

struct TControl : TQRPrintableControl {
    int Left() const override { return bounds[0]; }
    int Top() const override { return bounds[1]; }
    void SetBounds(int left, int top, int width, int height) override {
        bounds = {left, top, width, height};
    }
    std::optional<int> ParentZoom() const override { return parentZoom; }

    std::array<int, 4> bounds{7, 9, 0, 0}; // left, top, width, height
    std::optional<int> parentZoom;
};

class DefaultUnits : public testing::Test {
protected:
    void SetUp() override { SetDefaultUnits(TQRUnit::MM); }
    void TearDown() override { SetDefaultUnits(TQRUnit::MM); }
};

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const struct {
        long double value;
        long long expected;
    } cases[] = {
        {489.5L, 490}, {904.5L, 904}, {-0.5L, 0}, {-1.5L, -2}, {2.4999999L, 2}, {2.5000001L, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.expected) << D(c.value);
    // Values that are no numbers or huge stay defined.
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN()), 0);
    EXPECT_GT(RoundHalfEven(std::numeric_limits<long double>::infinity()), 1LL << 60);
    EXPECT_LT(RoundHalfEven(-std::numeric_limits<long double>::max()), -(1LL << 60));
}

TEST(UnitConversion, GoesBothWaysAndCharactersFollowTheReportFont) {
    const struct {
        TQRUnit unit;
        bool across = true;
        int ppi = 96, zoom = 100;
        long double native;
        long double value;
    } cases[] = {
        {.unit = TQRUnit::MM, .native = 2570, .value = 257},
        {.unit = TQRUnit::Inches, .across = false, .native = 254, .value = 1},
        {.unit = TQRUnit::Pixels, .across = false, .native = 293.6875L, .value = 111},
        {.unit = TQRUnit::Pixels, .across = false, .ppi = 120, .native = 234.95L, .value = 111},
        {.unit = TQRUnit::Pixels, .zoom = 200, .native = 254, .value = 192},
        // Without a report, characters are of a 10-point font: 80 / 2.54
        // tenths of a millimetre across, 145.3 / 2.54 down.
        {.unit = TQRUnit::Characters, .native = 80 / 2.54L * 3, .value = 3},
        {.unit = TQRUnit::Characters, .across = false, .native = 145.3L / 2.54L * 2, .value = 2},
        {.unit = TQRUnit::Native, .native = 904.875L, .value = 904.875L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << D(c.native) << " at " << c.ppi << " ppi");
        TQRPrintableSize holder(nullptr, c.ppi);
        holder.SetZoom(c.zoom);
        EXPECT_NEAR(D(holder.FromNative(c.unit, c.across, c.native)), D(c.value), 1e-9);
        EXPECT_NEAR(D(holder.ToNative(c.unit, c.across, c.value)), D(c.native), 1e-9);
    }
    // Characters follow the report's font and survive a font of no size.
    TQRPrintableSize holder;
    TRecordingReport twelve(12);
    holder.SetParentReport(&twelve);
    EXPECT_NEAR(D(holder.ToNative(TQRUnit::Characters, true, 1)), D(80.0L / 12 / 2.54L * 10),
                1e-12);
    TRecordingReport none(0);
    holder.SetParentReport(&none);
    const long double native = holder.ToNative(TQRUnit::Characters, false, 1);
    EXPECT_TRUE(std::isfinite(D(native)) && native > 0);
}

TEST_F(DefaultUnits, NewHoldersStartInTheDefaultUnitAndRefuseIndexesOutsideTheirValues) {
    SetDefaultUnits(TQRUnit::Inches);
    TQRBandSize band(nullptr, 120);
    EXPECT_EQ(band.Units(), TQRUnit::Inches);
    EXPECT_THROW(band.SetValue(-1, 1), EListError);
    EXPECT_NE(test::ErrorOf<EListError>([&] { band.GetValue(2); }).find("(2)"), std::string::npos);
}

TEST(SizeHolders, BoundsAreRoundedPixelsOfTheNativeValuesScaledByAZoomedParent) {
    TControl label;
    TQRPrintableSize size(&label);
    size.ReadValues({46.0L, 140.0L, 214.3125L, 510.6458333333L});
    EXPECT_EQ(label.bounds, (std::array{7, 9, 0, 0})) << "reading does not move it";
    size.Refresh();
    EXPECT_EQ(label.bounds, (std::array{53, 81, 193, 17}));

    // A band keeps its place and takes its size.
    TControl band;
    TQRBandSize bandSize(&band);
    bandSize.ReadValues({489.5L, 904.875L});
    bandSize.Refresh();
    EXPECT_EQ(band.bounds, (std::array{7, 9, 342, 185})); // 342.0 and 185.01
    bandSize.SetUnits(TQRUnit::MM);
    bandSize.SetHeight(10);
    EXPECT_EQ(band.bounds[3], 38); // 37.795...

    // Pixel readings on a zoomed parent are scaled once more.
    TControl zoomed;
    TQRPrintableSize pixels(&zoomed);
    pixels.SetUnits(TQRUnit::Pixels);
    pixels.SetWidth(100);
    zoomed.parentZoom = 200;
    EXPECT_NEAR(D(pixels.Width()), 200, 1e-9);
    pixels.SetUnits(TQRUnit::MM);
    EXPECT_NEAR(D(pixels.Width()), 26.458333333, 1e-8) << "only the Pixels reading is scaled";
}

TEST_F(DefaultUnits, TheReportZoomIsAcceptedFromOneTo300) {
    TRecordingReport report;
    TQRPage page(&report);
    TControl bandControl;
    TQRBandSize band(&bandControl);
    TQRUnitBase* sizes[] = {&band};
    for (int refused : {0, 301, -5})
        EXPECT_FALSE(SetReportZoom(page, sizes, refused));
    EXPECT_EQ(band.Zoom(), 100);
    EXPECT_TRUE(report.calls.empty());
    EXPECT_TRUE(SetReportZoom(page, sizes, 300));
    EXPECT_EQ(bandControl.bounds[2], 45); // 40 native units at 300 %: 45.35
    EXPECT_EQ(report.calls, (Calls{"size 2381x3368", "arrange"}));
    EXPECT_TRUE(SetReportZoom(page, sizes, 1));
    EXPECT_EQ(page.Zoom(), 1);
}

TEST_F(DefaultUnits, ANewPageFollowsTheLocalesMeasurementAndDoesNotCallItsReport) {
    const struct {
        TQRUnit units;
        TQRPaperSize paper;
        std::vector<long double> values;
    } cases[] = {
        // A4 with 10 mm margins; Letter with half-inch margins.
        {TQRUnit::MM, TQRPaperSize::A4, {100, 2970, 100, 2100, 100, 100, 0}},
        {TQRUnit::Inches, TQRPaperSize::Letter, {127, 2794, 127, 2159, 127, 127, 0}},
    };
    for (const auto& c : cases) {
        SetDefaultUnits(c.units);
        TRecordingReport report;
        TQRPage page(&report);
        EXPECT_EQ(std::pair(page.PaperSize(), page.WriteValues()), std::pair(c.paper, c.values));
        EXPECT_TRUE(report.calls.empty());
    }
}

TEST_F(DefaultUnits, PaperSizeAndOrientationSetWidthAndLength) {
    TQRPage page;
    page.SetPaperSize(TQRPaperSize::B5);
    // Width and Length take writes only for a custom paper.
    page.SetWidth(200);
    page.SetLength(300);
    EXPECT_EQ(std::pair(page.Width(), page.Length()), std::pair(182.0L, 257.0L));
    page.SetOrientation(TPrinterOrientation::poLandscape);
    EXPECT_EQ(std::pair(page.Width(), page.Length()), std::pair(257.0L, 182.0L));
    page.SetPaperSize(TQRPaperSize::A3);
    EXPECT_EQ(page.Width(), 420) << "a new paper in landscape comes turned";
    page.SetOrientation(TPrinterOrientation::poPortrait);
    page.SetPaperSize(TQRPaperSize::Custom);
    page.SetOrientation(TPrinterOrientation::poLandscape);
    EXPECT_EQ(page.Width(), 297) << "Custom keeps the dimensions it finds, turned or not";
    page.SetWidth(200);
    EXPECT_EQ(page.Width(), 200) << "and takes writes";
    page.SetOrientation(TPrinterOrientation::poPortrait);
    page.SetUnits(TQRUnit::Inches);
    page.SetPaperSize(TQRPaperSize::Env9);
    EXPECT_EQ(page.Units(), TQRUnit::Inches) << "a named paper keeps the caller's unit";
    page.SetUnits(TQRUnit::Native);
    EXPECT_EQ(page.Width(), 98.43L * 10) << "extended values, unrounded";
    TQRPage turned;
    turned.SetPaperSize(TQRPaperSize::Default);
    turned.SetOrientation(TPrinterOrientation::poLandscape);
    EXPECT_EQ(turned.Width(), 210) << "nor is the default paper";
}

TEST_F(DefaultUnits, TellsTheReportWhatChanged) {
    using TChange = std::function<void(TQRPage&)>;
    const auto value = [](int index) { return [index](TQRPage& p) { p.SetValue(index, 5); }; };
    const struct {
        const char* name;
        TChange change;
        Calls expected;
    } cases[] = {
        {"bottom margin", value(TQRPage::kBottomMargin), {"size 794x1123", "arrange"}},
        {"top margin", value(TQRPage::kTopMargin), {"arrange", "repaint"}},
        {"width of A4", value(TQRPage::kWidth), {}},
        {"columns below one or unchanged",
         [](TQRPage& p) { p.SetColumns(0), p.SetColumns(-1), p.SetColumns(1); },
         {}},
        {"two columns", [](TQRPage& p) { p.SetColumns(2); }, {"arrange", "repaint"}},
        {"ruler unchanged", [](TQRPage& p) { p.SetRuler(true); }, {}},
        {"ruler off", [](TQRPage& p) { p.SetRuler(false); }, {"repaint", "units"}},
        {"a named paper",
         [](TQRPage& p) { p.SetPaperSize(TQRPaperSize::B5); },
         {"size 688x1123", "arrange", "size 688x971", "arrange", "arrange"}},
    };
    for (const auto& c : cases) {
        TRecordingReport report;
        TQRPage page(&report);
        c.change(page);
        EXPECT_EQ(report.calls, c.expected) << c.name;
    }
}

TEST_F(DefaultUnits, TheDesignSurfaceFollowsResolutionAndZoomWithoutComingBack) {
    TRecordingReport report;
    TQRPage page(&report, 120);
    page.SetPaperSize(TQRPaperSize::B5);
    report.calls.clear();
    page.SetZoom(50);
    int nested = 0;
    report.onResize = [&] {
        EXPECT_TRUE(page.Updating());
        ++nested;
        page.UpdateOwner(); // the report's own resize handling
    };
    page.Refresh();
    // 182 mm at 120 ppi is 859.84 pixels, 257 mm is 1214.17; halved.
    EXPECT_EQ(std::pair(report.calls, nested), std::pair(Calls{"size 430x607"}, 1));
}

TEST_F(DefaultUnits, StoredPageValuesAreKeptExactlyAndTheIndexedValuesAreNotStored) {
    TQRPage page;
    page.ReadValues({100, 2570, 0, 1820, 0, 0, 10, 99999});
    EXPECT_EQ(page.PaperSize(), TQRPaperSize::A4) << "reading does not touch the paper size";
    page.SetUnits(TQRUnit::Native);
    EXPECT_EQ(page.WriteValues(), (std::vector<long double>{100, 2570, 0, 1820, 0, 0, 10}));
    page.ReadValues({5});
    EXPECT_EQ(page.WriteValues(), (std::vector<long double>{5, 2570, 0, 1820, 0, 0, 10}));
}

} // namespace
} // namespace zel
