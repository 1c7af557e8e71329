#pragma once
// The report that prints the admission tickets: one detail band per
// examinee row, two columns to a B5 sheet, only the texts that vary;
// everything else is on the pre-printed stationery. It lives for the whole
// run and reads its records from the examinee list when the run asks.

#include "app/ticket_report_examinees.h"
#include "app/ticket_report_layout.h"
#include "app/ticket_report_offsets.h"
#include "report/run/pagetta_rep.h"

#include <functional>
#include <string>

namespace zel::app {

class TTicketReport : public TPagettaRep, public TTicketComponents {
public:
    explicit TTicketReport(const TExamineeRows& examinees);

    // Every run starts at the first examinee row, of a copy of the list
    // taken now.
    void TicketReportBeforePrint(TCustomPagettaRep& sender, bool& printReport);
    // Loads the next examinee row; no more data past the last one.
    void TicketReportNeedData(TQRComponent& sender, bool& moreData);
    // Reads the print offsets from the settings file and puts them onto the
    // labels, the band and the column space.
    void ApplyPrintOffsets();

    // What a print request puts in: the texts every ticket shares and the
    // print offsets.
    struct TRequest {
        std::string SchoolName, Year, Term; // code page 932
        TPrintOffsets Offsets;
    };
    // Puts `request` in and keeps it when `mayPrint`, which looks at the
    // report as the request sets it up, says yes. Otherwise the report is
    // put back as it was, so that a preview still open prints what it
    // shows, not what the operator declined.
    bool PutRequestIf(const TRequest& request, const std::function<bool()>& mayPrint);

private:
    const TExamineeRows& m_Examinees;
    // The rows of the run going, and the row loaded last: the report's
    // own counter, which printer setup (it writes Tag) cannot reset.
    TExamineeCopy m_RunRows;
    int m_Row = 0;
};

} // namespace zel::app
