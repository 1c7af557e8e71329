#include "framework/exceptions.h"
#include "report/controls/size_holders.h"
#include "report/controls/unit_holders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zel {
namespace {

struct RoundCase {
    const char* name;
    long double value;
    long long expected;
};

class RoundingHalvesToEven : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundingHalvesToEven, Rounds) {
    EXPECT_EQ(RoundHalfEven(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Units, RoundingHalvesToEven,
    testing::Values(RoundCase{"BandHeightUp", 489.5L, 490}, RoundCase{"BandWidthDown", 904.5L, 904},
                    RoundCase{"HalfToZero", 0.5L, 0}, RoundCase{"OneAndAHalf", 1.5L, 2},
                    RoundCase{"NegativeHalf", -0.5L, 0},
                    RoundCase{"NegativeOneAndAHalf", -1.5L, -2},
                    RoundCase{"NegativeTwoAndAHalf", -2.5L, -2},
                    RoundCase{"JustBelowHalf", 2.4999999L, 2},
                    RoundCase{"JustAboveHalf", 2.5000001L, 3},
                    RoundCase{"NegativeJustAboveHalf", -2.5000001L, -3},
                    RoundCase{"NotANumber", std::numeric_limits<long double>::quiet_NaN(), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundingHalvesToEven, KeepsHugeValuesDefined) {
    EXPECT_GT(RoundHalfEven(std::numeric_limits<long double>::infinity()), 1LL << 60);
    EXPECT_LT(RoundHalfEven(-std::numeric_limits<long double>::max()), -(1LL << 60));
}

class DefaultUnitsScope : public testing::Test {
protected:
    void SetUp() override { SetDefaultUnits(TQRUnit::MM); }
    void TearDown() override { SetDefaultUnits(TQRUnit::MM); }
};

struct ConversionCase {
    const char* name;
    TQRUnit unit;
    bool horizontal;
    int resolution;
    int zoom;
    long double native;
    long double value;
};

class Conversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, GoesBothWays) {
    const auto& c = GetParam();
    TQRPrintableSize holder(nullptr, c.resolution);
    holder.SetZoom(c.zoom);
    EXPECT_NEAR(static_cast<double>(holder.FromNative(c.unit, c.horizontal, c.native)),
                static_cast<double>(c.value), 1e-9);
    EXPECT_NEAR(static_cast<double>(holder.ToNative(c.unit, c.horizontal, c.value)),
                static_cast<double>(c.native), 1e-9);
}

// Characters without a report use a 10-point font: 80 / 10 / 2.54 native
// tenths per character across, 145.3 / 10 / 2.54 down.
INSTANTIATE_TEST_SUITE_P(
    Units, Conversion,
    testing::Values(ConversionCase{"Millimetres", TQRUnit::MM, true, 96, 100, 2570, 257},
                    ConversionCase{"Inches", TQRUnit::Inches, false, 96, 100, 254, 1},
                    ConversionCase{"NegativeInches", TQRUnit::Inches, true, 96, 100, -40,
                                   -0.15748031496063L},
                    ConversionCase{"PixelsAt96", TQRUnit::Pixels, false, 96, 100, 293.6875L, 111},
                    ConversionCase{"PixelsAt120", TQRUnit::Pixels, false, 120, 100, 234.95L, 111},
                    ConversionCase{"PixelsZoomedTwice", TQRUnit::Pixels, true, 96, 200, 254, 192},
                    ConversionCase{"PixelsAtHalfZoom", TQRUnit::Pixels, true, 96, 50, 254, 48},
                    ConversionCase{"CharactersAcross", TQRUnit::Characters, true, 96, 100,
                                   80.0L / 10 / 2.54L * 10 * 3, 3},
                    ConversionCase{"CharactersDown", TQRUnit::Characters, false, 96, 100,
                                   145.3L / 10 / 2.54L * 10 * 2, 2},
                    ConversionCase{"Native", TQRUnit::Native, true, 96, 100, 904.875L, 904.875L}),
    [](const auto& info) { return std::string(info.param.name); });

class FontReport : public TQRUnitsReport {
public:
    explicit FontReport(long double points) : m_Points(points) {}
    long double FontSizePoints() const override { return m_Points; }
    void SetPixelSize(int, int) override {}
    void ArrangeBands() override {}
    void Repaint() override {}
    void ReapplyUnits() override {}

private:
    long double m_Points;
};

TEST(Conversion, CharactersFollowTheReportFontAndSurviveAFontOfNoSize) {
    TQRPrintableSize holder;
    FontReport twelve(12);
    holder.SetParentReport(&twelve);
    EXPECT_NEAR(static_cast<double>(holder.ToNative(TQRUnit::Characters, true, 1)),
                static_cast<double>(80.0L / 12 / 2.54L * 10), 1e-12);
    FontReport none(0);
    holder.SetParentReport(&none);
    const long double native = holder.ToNative(TQRUnit::Characters, false, 1);
    EXPECT_TRUE(std::isfinite(static_cast<double>(native)));
    EXPECT_GT(native, 0);
}

TEST(Holders, RefuseAnIndexOutsideTheirValues) {
    TQRBandSize band;
    EXPECT_THROW(band.SetValue(-1, 1), EListError);
    try {
        band.GetValue(2);
        ADD_FAILURE() << "index 2 of a band's values was accepted";
    } catch (const EListError& e) {
        EXPECT_NE(e.Message().find("(2)"), std::string::npos);
    }
}

TEST_F(DefaultUnitsScope, NewHoldersStartInTheDefaultUnitAtZoom100) {
    SetDefaultUnits(TQRUnit::Inches);
    TQRBandSize band(nullptr, 120);
    EXPECT_EQ(band.Units(), TQRUnit::Inches);
    EXPECT_EQ(band.Zoom(), 100);
    SetDefaultUnits(TQRUnit::MM);
    EXPECT_EQ(TQRPrintableSize().Units(), TQRUnit::MM);
    EXPECT_EQ(TQRPrintableSize().Resolution(), platform::kScreenPixelsPerInch);
}

} // namespace
} // namespace zel
