#include "platform/cp932.h"
#include "report/controls/page_setup.h"
#include "report/controls/report_units_and_zoom.h"
#include "report/controls/size_holders.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zel {
namespace {

using Calls = std::vector<std::string>;

double D(long double v) {
    return static_cast<double>(v);
}

void ExpectValues(const std::vector<long double>& got, const std::vector<long double>& expected) {
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(D(got[i]), D(expected[i]), 1e-9) << "value " << i;
}

// Records what the page asks of its report.
class RecordingReport : public TQRUnitsReport {
public:
    long double FontSizePoints() const override { return 10; }
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
};

class Control : public TQRPrintableControl {
public:
    int Left() const override { return left; }
    int Top() const override { return top; }
    void SetBounds(int l, int t, int w, int h) override {
        left = l;
        top = t;
        width = w;
        height = h;
    }
    std::optional<int> ParentZoom() const override { return parentZoom; }

    int left = 7, top = 9, width = 0, height = 0;
    std::optional<int> parentZoom;
};

class PageSetup : public testing::Test {
protected:
    void SetUp() override { SetDefaultUnits(TQRUnit::MM); }
    void TearDown() override { SetDefaultUnits(TQRUnit::MM); }
};

TEST_F(PageSetup, StartsOnA4WithTenMillimetreMarginsInMetricLocales) {
    RecordingReport report;
    TQRPage page(&report);
    EXPECT_EQ(page.Units(), TQRUnit::MM);
    EXPECT_EQ(page.PaperSize(), TQRPaperSize::A4);
    EXPECT_DOUBLE_EQ(D(page.Width()), 210);
    EXPECT_DOUBLE_EQ(D(page.Length()), 297);
    for (long double margin :
         {page.TopMargin(), page.BottomMargin(), page.LeftMargin(), page.RightMargin()})
        EXPECT_DOUBLE_EQ(D(margin), 10);
    EXPECT_DOUBLE_EQ(D(page.ColumnSpace()), 0);
    EXPECT_EQ(page.Columns(), 1);
    EXPECT_EQ(page.Orientation(), TPrinterOrientation::poPortrait);
    EXPECT_TRUE(page.Ruler());
    EXPECT_TRUE(report.calls.empty()) << "a report under construction is not called back";
}

TEST_F(PageSetup, StartsOnLetterWithHalfInchMarginsInUSLocales) {
    SetDefaultUnits(TQRUnit::Inches);
    TQRPage page;
    EXPECT_EQ(page.Units(), TQRUnit::Inches);
    EXPECT_EQ(page.PaperSize(), TQRPaperSize::Letter);
    EXPECT_DOUBLE_EQ(D(page.Width()), 8.5);
    EXPECT_DOUBLE_EQ(D(page.Length()), 11);
    ExpectValues(page.WriteValues(), {127, 2794, 127, 2159, 127, 127, 0});
}

TEST_F(PageSetup, NegativeColumnSpaceIsStoredNativelyAndReadInTheCurrentUnit) {
    TQRPage page;
    page.SetColumnSpace(-4);
    page.SetUnits(TQRUnit::Native);
    EXPECT_DOUBLE_EQ(D(page.ColumnSpace()), -40);
    page.SetUnits(TQRUnit::MM);
    EXPECT_DOUBLE_EQ(D(page.ColumnSpace()), -4);
    page.SetUnits(TQRUnit::Inches);
    EXPECT_NEAR(D(page.ColumnSpace()), -0.15748031496, 1e-10);
}

TEST_F(PageSetup, WidthAndLengthTakeWritesOnlyForACustomPaper) {
    TQRPage page;
    page.SetPaperSize(TQRPaperSize::B5);
    page.SetWidth(200);
    page.SetLength(300);
    EXPECT_DOUBLE_EQ(D(page.Width()), 182);
    EXPECT_DOUBLE_EQ(D(page.Length()), 257);
    page.SetPaperSize(TQRPaperSize::Custom);
    EXPECT_DOUBLE_EQ(D(page.Width()), 182) << "Custom keeps the dimensions it finds";
    page.SetWidth(200);
    page.SetUnits(TQRUnit::Native);
    EXPECT_DOUBLE_EQ(D(page.Width()), 2000);
}

TEST_F(PageSetup, OrientationSwapsANamedPaperSize) {
    TQRPage page;
    page.SetPaperSize(TQRPaperSize::B5);
    page.SetOrientation(TPrinterOrientation::poLandscape);
    EXPECT_DOUBLE_EQ(D(page.Width()), 257);
    EXPECT_DOUBLE_EQ(D(page.Length()), 182);
    page.SetPaperSize(TQRPaperSize::A3);
    EXPECT_DOUBLE_EQ(D(page.Width()), 420) << "a new paper in landscape comes swapped";
    page.SetOrientation(TPrinterOrientation::poPortrait);
    EXPECT_DOUBLE_EQ(D(page.Width()), 297);
    EXPECT_DOUBLE_EQ(D(page.Length()), 420);
}

TEST_F(PageSetup, DefaultAndCustomPapersKeepTheirDimensionsWhenTurned) {
    for (TQRPaperSize size : {TQRPaperSize::Default, TQRPaperSize::Custom}) {
        TQRPage page;
        page.SetPaperSize(size);
        page.SetOrientation(TPrinterOrientation::poLandscape);
        EXPECT_DOUBLE_EQ(D(page.Width()), 210);
        EXPECT_DOUBLE_EQ(D(page.Length()), 297);
        EXPECT_EQ(page.PaperSize(), size);
    }
}

TEST_F(PageSetup, NamedPapersSetTheTableDimensionsAndKeepTheCallersUnit) {
    TQRPage page;
    page.SetUnits(TQRUnit::Inches);
    page.SetPaperSize(TQRPaperSize::Note);
    EXPECT_EQ(page.Units(), TQRUnit::Inches);
    page.SetUnits(TQRUnit::MM);
    EXPECT_DOUBLE_EQ(D(page.Length()), 279.0);
    for (TQRPaperSize sheet : {TQRPaperSize::CSheet, TQRPaperSize::DSheet, TQRPaperSize::ESheet}) {
        page.SetPaperSize(sheet);
        EXPECT_DOUBLE_EQ(D(page.Width()), 100);
        EXPECT_DOUBLE_EQ(D(page.Length()), 100);
    }
    page.SetPaperSize(TQRPaperSize::Env9);
    page.SetUnits(TQRUnit::Native);
    EXPECT_EQ(page.Width(), 98.43L * 10) << "extended values, unrounded";
}

TEST_F(PageSetup, ColumnsBelowOneOrUnchangedAreIgnored) {
    RecordingReport report;
    TQRPage page(&report);
    page.SetColumns(0);
    page.SetColumns(-1);
    page.SetColumns(1);
    EXPECT_EQ(page.Columns(), 1);
    EXPECT_TRUE(report.calls.empty());
    page.SetColumns(2);
    EXPECT_EQ(page.Columns(), 2);
    EXPECT_EQ(report.calls, (Calls{"arrange", "repaint"}));
}

TEST_F(PageSetup, TellsTheReportWhatChangedForEachValue) {
    struct Case {
        int index;
        Calls expected;
    };
    const Case cases[] = {
        {TQRPage::kBottomMargin, {"size 794x1123", "arrange"}},
        {TQRPage::kTopMargin, {"arrange", "repaint"}},
        {TQRPage::kLeftMargin, {"arrange", "repaint"}},
        {TQRPage::kRightMargin, {"arrange", "repaint"}},
        {TQRPage::kColumnSpace, {"arrange", "repaint"}},
        {TQRPage::kWidth, {}},
        {TQRPage::kLength, {}},
    };
    for (const Case& c : cases) {
        RecordingReport report;
        TQRPage page(&report);
        page.SetValue(c.index, 5);
        EXPECT_EQ(report.calls, c.expected) << "index " << c.index;
    }
}

TEST_F(PageSetup, ANamedPaperResizesTheDesignSurface) {
    RecordingReport report;
    TQRPage page(&report);
    page.SetPaperSize(TQRPaperSize::B5);
    EXPECT_EQ(report.calls,
              (Calls{"size 688x1123", "arrange", "size 688x971", "arrange", "arrange"}));
}

TEST_F(PageSetup, TheDesignSurfaceFollowsResolutionAndZoom) {
    RecordingReport report;
    TQRPage page(&report, 120);
    page.SetPaperSize(TQRPaperSize::B5);
    report.calls.clear();
    page.SetZoom(50);
    page.Refresh();
    // 182 mm at 120 ppi is 859.84 pixels, 257 mm is 1214.17; halved.
    EXPECT_EQ(report.calls, (Calls{"size 430x607"}));
}

TEST_F(PageSetup, TheReportResizingItselfDoesNotComeBackToThePage) {
    RecordingReport report;
    TQRPage page(&report);
    int nested = 0;
    report.onResize = [&] {
        EXPECT_TRUE(page.Updating());
        ++nested;
        page.UpdateOwner(); // the report's own resize handling
    };
    page.Refresh();
    EXPECT_EQ(nested, 1);
    EXPECT_FALSE(page.Updating());
}

TEST_F(PageSetup, RulerChangesRepaintAndReapplyTheUnit) {
    RecordingReport report;
    TQRPage page(&report);
    page.SetRuler(true);
    EXPECT_TRUE(report.calls.empty());
    page.SetRuler(false);
    EXPECT_FALSE(page.Ruler());
    EXPECT_EQ(report.calls, (Calls{"repaint", "units"}));
}

TEST_F(PageSetup, StoredValuesAreKeptExactlyAndTheIndexedValuesAreNotStored) {
    TQRPage page;
    page.ReadValues({100, 2570, 0, 1820, 0, 0, 10, 99999});
    EXPECT_EQ(page.PaperSize(), TQRPaperSize::A4) << "reading does not touch the paper size";
    page.SetUnits(TQRUnit::Native);
    EXPECT_EQ(page.WriteValues(), (std::vector<long double>{100, 2570, 0, 1820, 0, 0, 10}));
    page.ReadValues({5});
    EXPECT_EQ(page.WriteValues(), (std::vector<long double>{5, 2570, 0, 1820, 0, 0, 10}));
}

TEST(PaperTable, NamesAndDimensionsFollowTheEnumeration) {
    EXPECT_FALSE(PaperDimensions(TQRPaperSize::Default));
    EXPECT_FALSE(PaperDimensions(TQRPaperSize::Custom));
    const auto b5 = PaperDimensions(TQRPaperSize::B5);
    ASSERT_TRUE(b5);
    EXPECT_EQ(b5->Width, 182.0L);
    EXPECT_EQ(b5->Length, 257.0L);
    const auto ledger = PaperDimensions(TQRPaperSize::Ledger);
    EXPECT_EQ(ledger->Width, 431.8L);
    EXPECT_EQ(ledger->Length, 279.4L);
    const auto env14 = PaperDimensions(TQRPaperSize::Env14);
    EXPECT_EQ(env14->Width, 127.0L);
    EXPECT_EQ(env14->Length, 292.1L);
    int named = 0;
    for (int i = 0; i < kPaperSizeCount; ++i)
        named += PaperDimensions(static_cast<TQRPaperSize>(i)).has_value();
    EXPECT_EQ(named, 26);

    EXPECT_EQ(PaperSizeName(TQRPaperSize::Default), cp932::FromUtf8("デフォルト サイズ"));
    EXPECT_EQ(PaperSizeName(TQRPaperSize::Executive), "Executive7 1/2 x 10 in");
    EXPECT_EQ(PaperSizeName(TQRPaperSize::Env14), "Envelope #14 4 5 x 11 1/2");
    EXPECT_EQ(PaperSizeName(TQRPaperSize::ESheet), "E size sheet");
    EXPECT_EQ(PaperSizeName(TQRPaperSize::Custom), cp932::FromUtf8("カスタム サイズ"));
}

class SizeHolders : public PageSetup {};

TEST_F(SizeHolders, AControlMovedInPixelsStoresItsNativePosition) {
    for (const auto& [resolution, expected] : {std::pair{96, 293.6875L}, std::pair{120, 234.95L}}) {
        Control label;
        TQRPrintableSize size(&label, resolution);
        size.SetUnits(TQRUnit::Pixels);
        size.SetTop(111);
        size.SetUnits(TQRUnit::Native);
        EXPECT_NEAR(D(size.Top()), D(expected), 1e-9) << resolution;
        EXPECT_EQ(label.top, 111);
    }
}

TEST_F(SizeHolders, ControlBoundsAreRoundedPixelsOfTheNativeValues) {
    Control label;
    TQRPrintableSize size(&label);
    EXPECT_EQ(label.width, 0) << "nothing is pushed at creation";
    size.ReadValues({46.0L, 140.0L, 214.3125L, 510.6458333333L});
    EXPECT_EQ(label.width, 0) << "reading stored values does not move the control";
    size.Refresh();
    EXPECT_EQ(label.left, 53);
    EXPECT_EQ(label.top, 81);
    EXPECT_EQ(label.width, 193);
    EXPECT_EQ(label.height, 17);
}

TEST_F(SizeHolders, ABandKeepsItsPlaceAndTakesItsSize) {
    Control band;
    TQRBandSize size(&band);
    EXPECT_EQ(size.WriteValues(), (std::vector<long double>{20, 40}));
    size.ReadValues({489.5L, 904.875L});
    size.Refresh();
    EXPECT_EQ(band.left, 7);
    EXPECT_EQ(band.top, 9);
    EXPECT_EQ(band.width, 342);  // 342.0
    EXPECT_EQ(band.height, 185); // 185.01
    size.SetUnits(TQRUnit::MM);
    size.SetHeight(10);
    EXPECT_EQ(band.height, 38); // 37.795...
}

TEST_F(SizeHolders, PixelReadingsOnAZoomedParentAreScaledOnceMore) {
    Control label;
    TQRPrintableSize size(&label);
    size.SetUnits(TQRUnit::Pixels);
    size.SetWidth(100);
    label.parentZoom = 200;
    EXPECT_NEAR(D(size.Width()), 200, 1e-9);
    size.SetUnits(TQRUnit::MM);
    EXPECT_NEAR(D(size.Width()), 26.458333333, 1e-8) << "only the Pixels reading is scaled";
}

TEST_F(SizeHolders, TheReportZoomIsAcceptedFromOneTo300) {
    RecordingReport report;
    TQRPage page(&report);
    Control bandControl;
    TQRBandSize band(&bandControl);
    TQRUnitBase* sizes[] = {&band};
    for (int refused : {0, 301, -5}) {
        EXPECT_FALSE(SetReportZoom(page, sizes, refused));
        EXPECT_EQ(page.Zoom(), 100);
        EXPECT_EQ(band.Zoom(), 100);
    }
    EXPECT_TRUE(report.calls.empty());
    EXPECT_TRUE(SetReportZoom(page, sizes, 300));
    EXPECT_EQ(band.Zoom(), 300);
    EXPECT_EQ(bandControl.width, 45); // 40 native units at 300 %: 45.35
    EXPECT_EQ(report.calls, (Calls{"size 2381x3368", "arrange"}));
    EXPECT_TRUE(SetReportZoom(page, sizes, 1));
    EXPECT_EQ(page.Zoom(), 1);
}

} // namespace
} // namespace zel
