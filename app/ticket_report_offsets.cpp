#include "app/ticket_report_offsets.h"

#include "app/settings.h"
#include "report/controls/page_setup.h"

namespace zel::app {
namespace {

struct TBasePlace {
    TQRLabel* TTicketComponents::*Member;
    int Top, Left; // pixels on the band
};

// Where the texts meet the stationery's boxes with every offset 0; not the
// design positions, which the stationery moved away from.
constexpr TBasePlace kBasePlaces[] = {
    {&TTicketComponents::YearLabel, 23, 86},       {&TTicketComponents::TermLabel, 23, 162},
    {&TTicketComponents::ExamNumberBox1, 52, 117}, {&TTicketComponents::ExamNumberBox2, 52, 147},
    {&TTicketComponents::ExamNumberBox3, 52, 177}, {&TTicketComponents::ExamNumberBox4, 52, 207},
    {&TTicketComponents::ExamNumberBox5, 52, 237}, {&TTicketComponents::ExamNumberBox6, 52, 267},
    {&TTicketComponents::NameLabel, 83, 120},      {&TTicketComponents::SchoolNameLabel, 113, 120},
    {&TTicketComponents::VenueLabel, 143, 120},
};

constexpr int kBaseBandHeight = 185;
// The column space with "space" 0, millimetres.
constexpr int kColumnSpaceBase = -4;

} // namespace

TPrintOffsets ReadPrintOffsets() {
    const TIniFile settings = OpenSettings();
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
    page.SetColumnSpace(static_cast<long double>(offsets.space) + kColumnSpaceBase);
}

} // namespace zel::app
