#include "band_test_support.h"
#include "report/controls/band.h"

#include <gtest/gtest.h>

#include <array>

namespace zel {
namespace {

using Bands = std::vector<TQRCustomBand*>;

double Native(const TQRUnitBase& size, int index) {
    return static_cast<double>(size.NativeValue(index));
}

TEST(BandTest, StoredHeightsStayUntilAProgramSetsOneEvenIfLoadingResetsThem) {
    test::TTicketReport ticket;
    EXPECT_EQ(ticket.band->Height(), 185);
    EXPECT_NEAR(Native(ticket.band->Size(), TQRBandSize::kHeight), 489.5, 1e-12);
    EXPECT_EQ(RoundHalfEven(ticket.band->RequiredHeight(true)), 490);
    // 185 pixels is not exactly 489.5 units, so it is written back.
    ticket.band->SetHeight(185);
    EXPECT_NEAR(Native(ticket.band->Size(), TQRBandSize::kHeight), 185 * 254.0 / 96, 1e-9);
    EXPECT_EQ(RoundHalfEven(ticket.band->RequiredHeight(true)), 489);
    ticket.band->SetHeight(187);
    EXPECT_EQ(RoundHalfEven(ticket.band->RequiredHeight(true)), 495);
    // A height loaded is kept when loading left the band at its new height.
    auto* band = ticket.report.Own(std::make_unique<TQRBand>(rbSummary));
    band->SetParent(&ticket.report);
    ticket.report.BeginLoad();
    band->SetBounds(0, 0, 100, 60);
    band->SetBounds(0, 0, 100, TQRCustomBand::kNewBandHeight); // something reset it
    ticket.report.EndLoad();
    EXPECT_EQ(band->Height(), 60);
    EXPECT_NEAR(Native(band->Size(), TQRBandSize::kHeight), 60 * 254.0 / 96, 1e-9);
}

TEST(BandArrangementTest, DetailBandsAreAColumnWidePageWideBandsStackAboveWithMargins) {
    test::TTicketReport ticket;
    ticket.band->SetWidth(100);
    ticket.band->Size().SetWidth(20);
    EXPECT_EQ(ticket.band->Width(), 342);
    EXPECT_NEAR(Native(ticket.band->Size(), TQRBandSize::kWidth), 904.875, 1e-9);
    // space 0 in the settings: a column space of -4 mm, -15 pixels.
    ticket.report.Page().SetColumnSpace(-4);
    EXPECT_EQ(ticket.band->Width(), (688 + 15) / 2);
    // Page-wide bands stack above with margins; children take their parent's type.
    test::TTestReport report;
    report.SetUnits(TQRUnit::MM);
    report.Page().SetPaperSize(TQRPaperSize::A4);
    report.Page().ReadValues({100, 2970, 100, 2100, 100, 100, 0});
    report.Page().SetColumns(3);
    auto* detail = report.Own(std::make_unique<TQRBand>(rbDetail));
    detail->SetParent(&report);
    auto* header = report.Own(std::make_unique<TQRBand>(rbPageHeader));
    header->SetParent(&report);
    header->SetHasChild(true);
    TQRChildBand* child = header->ChildBand();

    const int full = report.Width() - 2 * 38; // 10 mm is 37.8 pixels
    EXPECT_EQ(report.BandList(), (Bands{header, child, detail}));
    EXPECT_EQ((std::array{header->Width(), child->Width(), detail->Width()}),
              (std::array{full, full, full / 3}));
    EXPECT_EQ(header->Left(), 38);
    EXPECT_EQ((std::array{header->Top(), child->Top(), detail->Top()}),
              (std::array{38, 38 + 40, 38 + 80}));
    // A new type takes the band to its place and its width.
    detail->SetBandType(rbSummary);
    EXPECT_EQ(detail->Width(), full);
    EXPECT_EQ(report.BandList().back(), detail);

    // A band dropped on a band goes on the report.
    TQRBand title(rbTitle);
    title.SetParent(header);
    EXPECT_EQ(report.FindBand(rbTitle), &title);
    title.SetParent(nullptr);
    EXPECT_EQ(report.FindBand(rbTitle), nullptr);
}

// The ticket band with a child and a grandchild.
struct TChildChain : test::TTicketReport {
    TChildChain() {
        band->SetHasChild(true);
        child = band->ChildBand();
        child->SetHasChild(true);
        grandchild = child->ChildBand();
    }
    TQRChildBand *child = nullptr, *grandchild = nullptr;
};

TEST(ChildBandTest, ChainsStayConnectedAndFreeOfCycles) {
    TChildChain chain;
    EXPECT_EQ(chain.report.BandList(), (Bands{chain.band, chain.child, chain.grandchild}));
    EXPECT_EQ(chain.grandchild->Width(), 342) << "a child of the detail band is a column wide";
    chain.child->SetParentBand(chain.grandchild);
    chain.child->SetParentBand(chain.child);
    EXPECT_EQ(chain.child->ParentBand(), chain.band) << "cyclic parents are ignored";

    // HasChild false hands the grandchild to the band.
    chain.band->SetHasChild(false);
    EXPECT_EQ(chain.band->ChildBand(), chain.grandchild);
    EXPECT_EQ(chain.report.BandList(), (Bands{chain.band, chain.grandchild}));

    // Freeing a child directly leaves the grandchild without a parent.
    TChildChain freed;
    ASSERT_TRUE(freed.report.FreeOwned(freed.child));
    EXPECT_EQ(freed.grandchild->ParentBand(), nullptr);
    EXPECT_FALSE(freed.band->HasChild());
}

TEST(LinkBandTest, CyclesAreRefusedLinkedHeightsCountAndAFreedLinkIsForgotten) {
    test::TTicketReport ticket;
    auto* second = ticket.report.Own(std::make_unique<TQRBand>(rbDetail));
    second->SetParent(&ticket.report);
    auto* third = ticket.report.Own(std::make_unique<TQRBand>(rbDetail));
    third->SetParent(&ticket.report);
    ticket.band->SetLinkBand(second);
    second->SetLinkBand(third);
    third->SetLinkBand(ticket.band);
    EXPECT_EQ(third->LinkBand(), nullptr);
    ticket.band->SetLinkBand(ticket.band);
    EXPECT_EQ(ticket.band->LinkBand(), second);

    third->Size().ReadValues({100});
    second->Size().ReadValues({50});
    EXPECT_NEAR(static_cast<double>(ticket.band->RequiredHeight(false)), 489.5, 1e-9);
    EXPECT_NEAR(static_cast<double>(ticket.band->RequiredHeight(true)), 639.5, 1e-9);

    ticket.report.FreeOwned(second);
    EXPECT_EQ(ticket.band->LinkBand(), nullptr);
}

TEST(BandTest, UnitsAndZoomReachTheBandAndItsPrintables) {
    test::TTicketReport ticket;
    TQRLabel* label = ticket.AddNameLabel("");
    ticket.report.SetUnits(TQRUnit::Inches);
    EXPECT_EQ(label->Size().Units(), TQRUnit::Inches);
    EXPECT_NEAR(static_cast<double>(ticket.band->Size().Height()), 489.5 / 254, 1e-12);

    ticket.report.SetZoom(200);
    EXPECT_EQ((std::array{ticket.band->Width(), ticket.band->Height()}), (std::array{684, 370}));
    EXPECT_EQ((std::array{label->Top(), label->Width()}), (std::array{162, 386}));
    // Stored values do not move with the zoom.
    EXPECT_NEAR(Native(label->Size(), TQRPrintableSize::kTop), 214.3125, 1e-9);
}

} // namespace
} // namespace zel
