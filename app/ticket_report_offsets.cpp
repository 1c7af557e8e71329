#include "app/ticket_report_offsets.h"

#include "app/settings.h"
#include "report/controls/page_setup.h"

namespace zel::app {
namespace {

struct TBasePlace {
    TQRLabel* TTicketComponents::*Member;
    int Top, Left; // pixels on the band
};

using Components = TTicketComponents;

// Where the texts meet the stationery's boxes with every offset 0; not the
// design positions, which the stationery moved away from.
constexpr TBasePlace kBasePlaces[] = {
    {.Member = &Components::YearLabel, .Top = 23, .Left = 86},
    {.Member = &Components::TermLabel, .Top = 23, .Left = 162},
    {.Member = &Components::ExamNumberBox1, .Top = 52, .Left = 117},
    {.Member = &Components::ExamNumberBox2, .Top = 52, .Left = 147},
    {.Member = &Components::ExamNumberBox3, .Top = 52, .Left = 177},
    {.Member = &Components::ExamNumberBox4, .Top = 52, .Left = 207},
    {.Member = &Components::ExamNumberBox5, .Top = 52, .Left = 237},
    {.Member = &Components::ExamNumberBox6, .Top = 52, .Left = 267},
    {.Member = &Components::NameLabel, .Top = 83, .Left = 120},
    {.Member = &Components::SchoolNameLabel, .Top = 113, .Left = 120},
    {.Member = &Components::VenueLabel, .Top = 143, .Left = 120},
};

constexpr int kBaseBandHeight = 185;
// The column space with "space" 0, millimetres.
constexpr int kColumnSpaceBase = -4;

} // namespace

TPrintOffsets ReadPrintOffsets() {
    return ReadPrintOffsets(OpenSettings());
}

TPrintOffsets ReadPrintOffsets(const TIniFile& settings) {
    TPrintOffsets offsets;
    offsets.top = settings.ReadInteger(kSectionMargin, kKeyTop, 0);
    offsets.left = settings.ReadInteger(kSectionMargin, kKeyLeft, 0);
    offsets.space = settings.ReadInteger(kSectionMargin, kKeySpace, 0);
    offsets.height = settings.ReadInteger(kSectionMargin, kKeyHeight, 0);
    return offsets;
}

void PutPrintOffsets(const TPrintOffsets& offsets, const TTicketComponents& components,
                     TQRPage& page) {
    // Stored values may be anything the file holds; wrap rather than trap.
    const auto plus = [](int base, std::int32_t offset, int times) {
        return static_cast<int>(static_cast<std::uint32_t>(base) +
                                static_cast<std::uint32_t>(offset) * times);
    };
    components.TicketBand->SetHeight(plus(kBaseBandHeight, offsets.height, 1));
    for (const TBasePlace& place : kBasePlaces) {
        TQRLabel* label = components.*place.Member;
        label->SetTop(plus(place.Top, offsets.top, 2));
        label->SetLeft(plus(place.Left, offsets.left, 2));
    }
    // Millimetres whatever unit the page is in: during a run it is Native.
    const long double tenths = (static_cast<long double>(offsets.space) + kColumnSpaceBase) * 10;
    page.SetColumnSpace(page.FromNative(page.Units(), true, tenths));
}

TTicketPlacement PlacementOf(const TTicketComponents& components, const TQRPage& page) {
    TTicketPlacement placement;
    placement.BandHeight = components.TicketBand->Height();
    for (const TBasePlace& place : kBasePlaces) {
        const TQRLabel* label = components.*place.Member;
        placement.LabelTopLeft.emplace_back(label->Top(), label->Left());
    }
    placement.ColumnSpace = page.ColumnSpace();
    return placement;
}

void RestorePlacement(const TTicketPlacement& placement, const TTicketComponents& components,
                      TQRPage& page) {
    components.TicketBand->SetHeight(placement.BandHeight);
    std::size_t i = 0;
    for (const TBasePlace& place : kBasePlaces) {
        TQRLabel* label = components.*place.Member;
        label->SetTop(placement.LabelTopLeft.at(i).first);
        label->SetLeft(placement.LabelTopLeft.at(i).second);
        ++i;
    }
    page.SetColumnSpace(placement.ColumnSpace);
}

} // namespace zel::app
