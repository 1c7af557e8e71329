#pragma once
// The report that prints the admission tickets: one detail band per
// examinee row, two columns to a B5 sheet, only the texts that vary;
// everything else is on the pre-printed stationery. It lives for the whole
// run and reads its records from the examinee list when the run asks.

#include "app/ticket_report_examinees.h"
#include "app/ticket_report_layout.h"
#include "report/run/pagetta_rep.h"

namespace zel::app {

class TTicketReport : public TPagettaRep, public TTicketComponents {
public:
    explicit TTicketReport(const TExamineeRows& examinees);

    // Every run starts at the first examinee row.
    void TicketReportBeforePrint(TCustomPagettaRep& sender, bool& printReport);
    // Loads the next examinee row; no more data past the last one.
    void TicketReportNeedData(TQRComponent& sender, bool& moreData);
    // Reads the print offsets from the settings file and puts them onto the
    // labels, the band and the column space.
    void ApplyPrintOffsets();

private:
    const TExamineeRows& m_Examinees;
};

} // namespace zel::app
