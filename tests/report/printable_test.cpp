#include "band_test_support.h"
#include "report/controls/printable.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

double D(long double v) {
    return static_cast<double>(v);
}

long double NativeOf(const TQRUnitBase& size, int index) {
    return size.WriteValues().at(index);
}

TEST(PrintableTest, NewPrintableIsTenByTenAndWhite) {
    TQRPrintable printable;
    EXPECT_EQ(printable.Width(), 10);
    EXPECT_EQ(printable.Height(), 10);
    EXPECT_EQ(printable.Color(), platform::kWhite);
    EXPECT_TRUE(printable.PrintFinished());
}

TEST(PrintableTest, PixelMovesAreStoredThroughThePixelUnit) {
    test::TTicketReport ticket;
    TQRLabel* name = ticket.AddNameLabel("");
    // The print offsets move labels by pixels; one pixel is 254/96 units.
    name->SetTop(83 + 2 * 10);
    name->SetLeft(120 - 2 * 10);
    EXPECT_EQ(name->Top(), 103);
    EXPECT_EQ(name->Left(), 100);
    EXPECT_NEAR(D(NativeOf(name->Size(), TQRPrintableSize::kTop)), 103 * 254.0 / 96, 1e-9);
    EXPECT_NEAR(D(NativeOf(name->Size(), TQRPrintableSize::kLeft)), 100 * 254.0 / 96, 1e-9);
    // The stored width is not exactly 193 pixels, so it is written too;
    // the height of 58.2083 is 21.99997 pixels and becomes 22.
    EXPECT_NEAR(D(NativeOf(name->Size(), TQRPrintableSize::kWidth)), 193 * 254.0 / 96, 1e-9);
    EXPECT_NEAR(D(NativeOf(name->Size(), TQRPrintableSize::kHeight)), 22 * 254.0 / 96, 1e-9);
    EXPECT_EQ(name->Size().Units(), TQRUnit::MM);
}

TEST(PrintableTest, LoadedBoundsFollowTheValuesAndBackUpZeros) {
    test::TTicketReport ticket;
    auto* printable = ticket.report.Own(std::make_unique<TQRPrintable>());
    printable->BeginLoading();
    printable->SetParent(ticket.band);
    printable->SetBounds(7, 30, 50, 12);
    // Left comes out as 0 from its value; the stored 7 pixels stand in.
    printable->Size().ReadValues({100, 0, 52.9167L, 264.5833L});
    printable->Loaded();
    EXPECT_EQ(printable->Left(), 7);
    EXPECT_EQ(printable->Top(), 20);
    EXPECT_EQ(printable->Width(), 100);
    EXPECT_EQ(printable->Height(), 38);
    EXPECT_NEAR(D(NativeOf(printable->Size(), TQRPrintableSize::kLeft)), 0, 1e-12);
}

struct AlignCase {
    const char* name;
    TAlignment alignment;
    int width;
    int expectedLeft;
};

class AlignItTest : public testing::TestWithParam<AlignCase> {};

TEST_P(AlignItTest, PlacesTheControlInsideItsBand) {
    const AlignCase& c = GetParam();
    test::TTicketReport ticket; // the band is 342 pixels wide
    auto* printable = ticket.report.Own(std::make_unique<TQRPrintable>());
    printable->SetParent(ticket.band);
    printable->SetBounds(50, 5, c.width, 20);
    printable->SetAlignment(c.alignment);
    EXPECT_EQ(printable->Left(), 50);
    printable->SetAlignToBand(true);
    EXPECT_EQ(printable->Left(), c.expectedLeft);
    EXPECT_NEAR(D(NativeOf(printable->Size(), TQRPrintableSize::kLeft)),
                c.expectedLeft * 254.0 / 96, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Alignments, AlignItTest,
                         testing::Values(AlignCase{"Left", taLeftJustify, 101, 0},
                                         AlignCase{"Right", taRightJustify, 101, 241},
                                         AlignCase{"Centre", taCenter, 101, 120},
                                         AlignCase{"WiderThanBandCentre", taCenter, 345, -1},
                                         AlignCase{"WiderThanBandRight", taRightJustify, 350, -8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintableTest, AlignedControlFollowsItsBandsWidth) {
    test::TTicketReport ticket;
    auto* printable = ticket.report.Own(std::make_unique<TQRPrintable>());
    printable->SetParent(ticket.band);
    printable->SetBounds(0, 0, 42, 20);
    printable->SetAlignment(taRightJustify);
    printable->SetAlignToBand(true);
    EXPECT_EQ(printable->Left(), 300);
    ticket.report.Page().SetColumnSpace(-4); // the band becomes 351 wide
    EXPECT_EQ(printable->Left(), 351 - 42);
}

TEST(PrintableTest, BaseClassPrintsOnlyItsFrameAtTheBandOffset) {
    test::TTicketReport ticket;
    auto* printable = ticket.report.Own(std::make_unique<TQRPrintable>());
    printable->SetParent(ticket.band);
    printable->SetBounds(10, 20, 30, 40);
    test::TRecordingSurface surface;
    ticket.report.StartRun(surface);
    printable->Print(915, 490);
    EXPECT_TRUE(surface.Records().empty());
    printable->Frame().SetDrawLeft(true);
    printable->Frame().SetDrawBottom(true);
    printable->Print(915, 490);
    ticket.report.EndRun();
    const auto fills = surface.All<platform::TFillRectRecord>();
    // 915 units is 345.8 pixels: the control starts at 346 + 10.
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].Rect, (platform::TRect{356, 244, 386, 245}));
    EXPECT_EQ(fills[1].Rect, (platform::TRect{356, 205, 357, 245}));
}

} // namespace
} // namespace zel
