#include "app/pagetta6_offsets.h"

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
    {&TTicketComponents::QRLabel1, 23, 86},    {&TTicketComponents::QRLabel2, 23, 162},
    {&TTicketComponents::QRLabel8, 52, 117},   {&TTicketComponents::QRLabel9, 52, 147},
    {&TTicketComponents::QRLabel10, 52, 177},  {&TTicketComponents::QRLabel11, 52, 207},
    {&TTicketComponents::QRLabel12, 52, 237},  {&TTicketComponents::QRLabel13, 52, 267},
    {&TTicketComponents::QRLabel14, 83, 120},  {&TTicketComponents::QRLabel6, 113, 120},
    {&TTicketComponents::QRLabel15, 143, 120},
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
    components.QRBand1->SetHeight(plus(kBaseBandHeight, offsets.height, 1));
    for (const TBasePlace& place : kBasePlaces) {
        TQRLabel* label = components.*place.Member;
        label->SetTop(plus(place.Top, offsets.top, 2));
        label->SetLeft(plus(place.Left, offsets.left, 2));
    }
    page.SetColumnSpace(static_cast<long double>(offsets.space) + kColumnSpaceBase);
}

} // namespace zel::app
