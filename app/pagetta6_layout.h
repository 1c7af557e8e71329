#pragma once
// The ticket report's band and its eleven labels, built on a report the way
// its stored layout loads them: pixel bounds first, then the size values as
// stored (the band 489.5 high), so the printed tickets follow the values.

#include "report/controls/band.h"
#include "report/controls/label.h"

namespace zel {
class TCustomPagettaRep;
}

namespace zel::app {

// Owned by the report they are built on.
struct TTicketComponents {
    TQRBand* QRBand1 = nullptr;
    TQRLabel* QRLabel6 = nullptr;  // school name
    TQRLabel* QRLabel8 = nullptr;  // exam number, box 1
    TQRLabel* QRLabel9 = nullptr;  // box 2
    TQRLabel* QRLabel10 = nullptr; // box 3
    TQRLabel* QRLabel11 = nullptr; // box 4
    TQRLabel* QRLabel12 = nullptr; // box 5
    TQRLabel* QRLabel13 = nullptr; // box 6
    TQRLabel* QRLabel14 = nullptr; // examinee name
    TQRLabel* QRLabel15 = nullptr; // venue
    TQRLabel* QRLabel1 = nullptr;  // era year
    TQRLabel* QRLabel2 = nullptr;  // term

    // The six boxes of the exam number, left to right.
    TQRLabel* Box(int index) const;
};

inline constexpr int kExamNumberBoxes = 6;

// Sets the page (B5 portrait, two columns, 10 mm bottom margin, 1 mm
// between columns) and units of `report` and builds the band and labels
// on it.
void LoadTicketLayout(TCustomPagettaRep& report, TTicketComponents& components);

} // namespace zel::app
