#include "band_test_support.h"
#include "report/controls/printable.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::TRect;

double Native(const TQRUnitBase& size, int index) {
    return static_cast<double>(size.NativeValue(index));
}

TEST(PrintableTest, PixelMovesAreStoredAndLoadedBoundsFollowTheValuesBackingUpZeros) {
    test::TTicketReport ticket;
    TQRLabel* name = ticket.AddNameLabel("");
    // The print offsets move labels by pixels; one pixel is 254/96 units.
    name->SetTop(83 + 2 * 10);
    name->SetLeft(120 - 2 * 10);
    EXPECT_EQ(std::pair(name->Top(), name->Left()), std::pair(103, 100));
    EXPECT_NEAR(Native(name->Size(), TQRPrintableSize::kTop), 103 * 254.0 / 96, 1e-9);
    EXPECT_NEAR(Native(name->Size(), TQRPrintableSize::kLeft), 100 * 254.0 / 96, 1e-9);
    // The stored width is not exactly 193 pixels, so it is written too;
    // the height of 58.2083 is 21.99997 pixels and becomes 22.
    EXPECT_NEAR(Native(name->Size(), TQRPrintableSize::kWidth), 193 * 254.0 / 96, 1e-9);
    EXPECT_NEAR(Native(name->Size(), TQRPrintableSize::kHeight), 22 * 254.0 / 96, 1e-9);
    EXPECT_EQ(name->Size().Units(), TQRUnit::MM);
    // Loaded bounds follow the values, the stored pixels backing up zeros.
    auto* printable = ticket.report.Own(std::make_unique<TQRPrintable>());
    printable->BeginLoading();
    printable->SetParent(ticket.band);
    printable->SetBounds(7, 30, 50, 12);
    // Left comes out as 0 from its value; the stored 7 pixels stand in.
    printable->Size().ReadValues({100, 0, 52.9167L, 264.5833L});
    printable->Loaded();
    EXPECT_EQ((TRect{printable->Left(), printable->Top(), printable->Width(), printable->Height()}),
              (TRect{7, 20, 100, 38}));
    EXPECT_NEAR(Native(printable->Size(), TQRPrintableSize::kLeft), 0, 1e-12);
}

TEST(PrintableTest, AlignToBandPlacesTheControlInsideItsBandAndFollowsItsWidth) {
    // The band is 342 pixels wide, 351 with a column space of -4 mm.
    const struct {
        TAlignment alignment;
        int width, left, leftInWiderBand;
    } cases[] = {
        {taLeftJustify, 101, 0, 0}, {taRightJustify, 101, 241, 250}, {taCenter, 101, 120, 125},
        {taCenter, 345, -1, 3},     {taRightJustify, 350, -8, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.alignment << " " << c.width);
        test::TTicketReport ticket;
        auto* printable = ticket.report.Own(std::make_unique<TQRPrintable>());
        printable->SetParent(ticket.band);
        printable->SetBounds(50, 5, c.width, 20);
        printable->SetAlignment(c.alignment);
        EXPECT_EQ(printable->Left(), 50) << "only AlignToBand moves it";
        printable->SetAlignToBand(true);
        EXPECT_EQ(printable->Left(), c.left);
        EXPECT_NEAR(Native(printable->Size(), TQRPrintableSize::kLeft), c.left * 254.0 / 96, 1e-9);
        ticket.report.Page().SetColumnSpace(-4);
        EXPECT_EQ(printable->Left(), c.leftInWiderBand);
    }
}

TEST(PrintableTest, BaseClassPrintsOnlyItsFrameAtTheBandOffset) {
    test::TTicketReport ticket;
    auto* printable = ticket.report.Own(std::make_unique<TQRPrintable>());
    printable->SetParent(ticket.band);
    printable->SetBounds(10, 20, 30, 40);
    test::TRecordingSurface surface;
    ticket.PrintAlone(*printable, surface, 915, 490);
    EXPECT_TRUE(surface.Records().empty());
    printable->Frame().SetDrawLeft(true);
    printable->Frame().SetDrawBottom(true);
    ticket.PrintAlone(*printable, surface, 915, 490);
    // 915 units is 345.8 pixels: the control starts at 346 + 10.
    EXPECT_EQ(surface.Fills(), (std::vector<TRect>{{356, 244, 386, 245}, {356, 205, 357, 245}}));
}

} // namespace
} // namespace zel
