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
    TQRBand* TicketBand = nullptr;
    TQRLabel* SchoolNameLabel = nullptr;
    // The exam number, one character to a box, left to right.
    TQRLabel* ExamNumberBox1 = nullptr;
    TQRLabel* ExamNumberBox2 = nullptr;
    TQRLabel* ExamNumberBox3 = nullptr;
    TQRLabel* ExamNumberBox4 = nullptr;
    TQRLabel* ExamNumberBox5 = nullptr;
    TQRLabel* ExamNumberBox6 = nullptr;
    TQRLabel* NameLabel = nullptr; // the examinee's name
    TQRLabel* VenueLabel = nullptr;
    TQRLabel* YearLabel = nullptr; // the era year
    TQRLabel* TermLabel = nullptr;

    // The six boxes of the exam number, left to right.
    TQRLabel* Box(int index) const;
};

inline constexpr int kExamNumberBoxes = 6;

// Sets the page (B5 portrait, two columns, 10 mm bottom margin, 1 mm
// between columns) and units of `report` and builds the band and labels
// on it.
void LoadTicketLayout(TCustomPagettaRep& report, TTicketComponents& components);

} // namespace zel::app
