#pragma once
// The look over the tickets for the report as the print request has set it
// up (captions and offsets in place), and asking the operator about what it
// finds.

#include "app/print_check.h"

namespace zel::app {

class TTicketReport;

// Labels, band and page of `report` read into the pure check.
std::vector<TPrintFinding> CheckTicketReport(TTicketReport& report, const TExamineeRows& rows);

// True when the tickets may print: nothing found, or the operator goes on
// after one message listing the findings.
bool MayPrintTickets(TTicketReport& report, const TExamineeRows& rows);

} // namespace zel::app
