#pragma once
// The print offsets put onto the ticket report: label positions, the band
// height (the pitch of the ticket rows) and the space between the columns.
// Every value is set absolutely, so repeated print requests never add up.

#include "app/ticket_report_layout.h"
#include "framework/ini_file.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace zel {
class TQRPage;
}

namespace zel::app {

struct TPrintOffsets {
    std::int32_t left = 0;   // report pixels, counted twice
    std::int32_t top = 0;    // report pixels, counted twice
    std::int32_t space = 0;  // millimetres; the column space is space - 4
    std::int32_t height = 0; // report pixels added to the band's 185
};

// From the section "margin" of the settings file, read in the order top,
// left, space, height; values that do not convert are 0.
TPrintOffsets ReadPrintOffsets();
TPrintOffsets ReadPrintOffsets(const TIniFile& settings);

// The column space is set in millimetres whatever unit `page` is in.
void PutPrintOffsets(const TPrintOffsets& offsets, const TTicketComponents& components,
                     TQRPage& page);

// Where the offsets have put things, to be put back as they were.
struct TTicketPlacement {
    int BandHeight = 0;
    std::vector<std::pair<int, int>> LabelTopLeft; // in the order the offsets place them
    long double ColumnSpace = 0;                   // in the page's units
};
TTicketPlacement PlacementOf(const TTicketComponents& components, const TQRPage& page);
void RestorePlacement(const TTicketPlacement& placement, const TTicketComponents& components,
                      TQRPage& page);

} // namespace zel::app
