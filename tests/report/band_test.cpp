#include "band_test_support.h"
#include "report/controls/band.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

double D(long double v) {
    return static_cast<double>(v);
}

long double NativeOf(const TQRUnitBase& size, int index) {
    return size.WriteValues().at(index);
}

TEST(BandTest, NewBandIsFortyPixelsHighAndEnabledWhite) {
    TQRBand band;
    EXPECT_EQ(band.Height(), 40);
    EXPECT_TRUE(band.Enabled());
    EXPECT_EQ(band.Color(), platform::kWhite);
    EXPECT_FALSE(band.HasChild());
}

TEST(BandTest, TicketBandKeepsItsStoredHeightUntilAProgramSetsOne) {
    test::TTicketReport ticket;
    EXPECT_EQ(ticket.band->Height(), 185);
    EXPECT_NEAR(D(NativeOf(ticket.band->Size(), TQRBandSize::kHeight)), 489.5, 1e-12);
    // 185 pixels is not exactly 489.5 units, so it is written back.
    ticket.band->SetHeight(185);
    EXPECT_NEAR(D(NativeOf(ticket.band->Size(), TQRBandSize::kHeight)), 185 * 254.0 / 96, 1e-9);
    EXPECT_EQ(RoundHalfEven(ticket.band->RequiredHeight(true)), 489);
    ticket.band->SetHeight(187);
    EXPECT_EQ(RoundHalfEven(ticket.band->RequiredHeight(true)), 495);
}

TEST(BandTest, LoadedHeightIsAppliedWhenLoadingLeftTheBandAtForty) {
    test::TTicketReport ticket;
    auto* band = ticket.report.Own(std::make_unique<TQRBand>(rbSummary));
    band->SetParent(&ticket.report);
    ticket.report.BeginLoad();
    band->SetBounds(0, 0, 100, 60);
    band->SetBounds(0, 0, 100, TQRCustomBand::kNewBandHeight); // something reset it
    ticket.report.EndLoad();
    EXPECT_EQ(band->Height(), 60);
    EXPECT_NEAR(D(NativeOf(band->Size(), TQRBandSize::kHeight)), 60 * 254.0 / 96, 1e-9);
}

TEST(BandArrangementTest, TicketDetailBandGetsTheColumnWidthWhateverAProgramSets) {
    test::TTicketReport ticket;
    EXPECT_EQ(ticket.report.Width(), 688);
    EXPECT_EQ(ticket.band->Width(), 342);
    EXPECT_NEAR(D(NativeOf(ticket.band->Size(), TQRBandSize::kWidth)), 904.875, 1e-9);
    // Whatever width a program gives it.
    ticket.band->SetWidth(100);
    ticket.band->Size().SetWidth(20);
    EXPECT_EQ(ticket.band->Width(), 342);
    EXPECT_NEAR(D(NativeOf(ticket.band->Size(), TQRBandSize::kWidth)), 904.875, 1e-9);
    // space 0 in the settings: a column space of -4 mm, -15 pixels.
    ticket.report.Page().SetColumnSpace(-4);
    EXPECT_EQ(ticket.band->Width(), (688 + 15) / 2);
    ticket.report.Page().SetColumnSpace(6);
    EXPECT_EQ(ticket.band->Width(), (688 - 23) / 2);
}

TEST(BandArrangementTest, PageWideBandsStackAboveWithMarginsAndChildrenTakeTheParentsType) {
    test::TTestReport report;
    report.SetUnits(TQRUnit::MM);
    report.Page().SetPaperSize(TQRPaperSize::A4);
    report.Page().SetLeftMargin(10);
    report.Page().SetRightMargin(10);
    report.Page().SetTopMargin(10);
    report.Page().SetColumns(3);
    auto* detail = report.Own(std::make_unique<TQRBand>(rbDetail));
    detail->SetParent(&report);
    auto* header = report.Own(std::make_unique<TQRBand>(rbPageHeader));
    header->SetParent(&report);
    header->SetHasChild(true);
    TQRChildBand* child = header->ChildBand();
    ASSERT_NE(child, nullptr);

    const int full = report.Width() - 2 * 38; // 10 mm is 37.8 pixels
    EXPECT_EQ(report.BandList(), (std::vector<TQRCustomBand*>{header, child, detail}));
    EXPECT_EQ(header->Width(), full);
    EXPECT_EQ(child->Width(), full);
    EXPECT_EQ(detail->Width(), full / 3);
    EXPECT_EQ(header->Left(), 38);
    EXPECT_EQ(header->Top(), 38);
    EXPECT_EQ(child->Top(), 38 + 40);
    EXPECT_EQ(detail->Top(), 38 + 80);

    // A new type takes the band to its place and its width.
    detail->SetBandType(rbSummary);
    EXPECT_EQ(detail->Width(), full);
    EXPECT_EQ(report.BandList().back(), detail);
}

TEST(BandArrangementTest, BandDroppedOnABandGoesOnTheReport) {
    test::TTicketReport ticket;
    TQRBand other(rbTitle);
    other.SetParent(ticket.band);
    EXPECT_EQ(other.Parent(), &ticket.report);
    EXPECT_EQ(other.ParentReport(), &ticket.report);
    EXPECT_EQ(ticket.report.FindBand(rbTitle), &other);
    EXPECT_EQ(other.Width(), 688);
    other.SetParent(nullptr);
    EXPECT_EQ(ticket.report.FindBand(rbTitle), nullptr);
}

TEST(ChildBandTest, HasChildFalseHandsTheGrandchildToTheBand) {
    test::TTicketReport ticket;
    TQRBand* band = ticket.band;
    band->SetHasChild(true);
    TQRChildBand* child = band->ChildBand();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->BandType(), rbChild);
    child->SetHasChild(true);
    TQRChildBand* grandchild = child->ChildBand();
    ASSERT_NE(grandchild, nullptr);
    EXPECT_EQ(ticket.report.BandList(), (std::vector<TQRCustomBand*>{band, child, grandchild}));
    // A child of the detail band is as wide as a column.
    EXPECT_EQ(grandchild->Width(), 342);

    band->SetHasChild(false);
    EXPECT_EQ(band->ChildBand(), grandchild);
    EXPECT_EQ(grandchild->ParentBand(), band);
    EXPECT_EQ(ticket.report.BandList(), (std::vector<TQRCustomBand*>{band, grandchild}));
}

TEST(ChildBandTest, FreeingAChildDirectlyLeavesTheGrandchildWithoutParent) {
    test::TTicketReport ticket;
    ticket.band->SetHasChild(true);
    TQRChildBand* child = ticket.band->ChildBand();
    child->SetHasChild(true);
    TQRChildBand* grandchild = child->ChildBand();
    ASSERT_TRUE(ticket.report.FreeOwned(child));
    EXPECT_EQ(grandchild->ParentBand(), nullptr);
    EXPECT_FALSE(ticket.band->HasChild());
}

TEST(ChildBandTest, CyclicParentBandIsIgnored) {
    test::TTicketReport ticket;
    ticket.band->SetHasChild(true);
    TQRChildBand* child = ticket.band->ChildBand();
    child->SetHasChild(true);
    TQRChildBand* grandchild = child->ChildBand();
    child->SetParentBand(grandchild);
    EXPECT_EQ(child->ParentBand(), ticket.band);
    child->SetParentBand(child);
    EXPECT_EQ(child->ParentBand(), ticket.band);
}

TEST(LinkBandTest, CyclesAreRefusedAndAFreedLinkIsForgotten) {
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

    third->Size().SetUnits(TQRUnit::Native);
    third->Size().SetHeight(100);
    second->Size().SetUnits(TQRUnit::Native);
    second->Size().SetHeight(50);
    EXPECT_NEAR(D(ticket.band->RequiredHeight(false)), 489.5, 1e-9);
    EXPECT_NEAR(D(ticket.band->RequiredHeight(true)), 639.5, 1e-9);

    ticket.report.FreeOwned(second);
    EXPECT_EQ(ticket.band->LinkBand(), nullptr);
}

TEST(BandTest, UnitsAndZoomReachTheBandAndItsPrintables) {
    test::TTicketReport ticket;
    TQRLabel* label = ticket.AddNameLabel("");
    ticket.report.SetUnits(TQRUnit::Inches);
    EXPECT_EQ(ticket.band->Size().Units(), TQRUnit::Inches);
    EXPECT_EQ(label->Size().Units(), TQRUnit::Inches);
    EXPECT_NEAR(D(ticket.band->Size().Height()), 489.5 / 254, 1e-12);

    ticket.report.SetZoom(200);
    EXPECT_EQ(ticket.band->Zoom(), 200);
    EXPECT_EQ(ticket.band->Height(), 370);
    EXPECT_EQ(label->Width(), 386);
    EXPECT_EQ(label->Top(), 162);
    EXPECT_EQ(ticket.band->Width(), 684);
    // Stored values do not move with the zoom.
    EXPECT_NEAR(D(NativeOf(label->Size(), TQRPrintableSize::kTop)), 214.3125, 1e-9);
    ticket.report.SetZoom(301);
    EXPECT_EQ(ticket.report.Zoom(), 200);
}

} // namespace
} // namespace zel
