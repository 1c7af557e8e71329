#include "app/ticket_report.h"

#include "app/ticket_report_offsets.h"
#include "app/ticket_report_records.h"

namespace zel::app {

TTicketReport::TTicketReport(const TExamineeRows& examinees) : m_Examinees(examinees) {
    LoadTicketLayout(*this, *this);
    SetOptions({TQRReportOption::FirstPageHeader, TQRReportOption::LastPageFooter});
    SetPrintIfEmpty(true);
    PrinterSettings().SetCopies(1);
    PrinterSettings().SetDuplex(false);
    PrinterSettings().SetFirstPage(0);
    PrinterSettings().SetLastPage(0);
    PrinterSettings().SetOutputBin(TQRBin::Auto);
    BeforePrint = [this](TCustomPagettaRep& sender, bool& printReport) {
        TicketReportBeforePrint(sender, printReport);
    };
    OnNeedData = [this](TQRComponent& sender, bool& moreData) {
        TicketReportNeedData(sender, moreData);
    };
}

void TTicketReport::TicketReportBeforePrint(TCustomPagettaRep&, bool&) {
    SetTag(0);
}

void TTicketReport::TicketReportNeedData(TQRComponent&, bool& moreData) {
    int tag = Tag();
    moreData = LoadNextExaminee(*this, m_Examinees, tag);
    SetTag(tag);
    // The rows are known, so the progress is too: the share of examinees
    // printed before this one. Told only when it changes.
    const int examinees = m_Examinees.RowCount() - 1;
    if (TQRPrinter* printer = QRPrinter(); printer && examinees > 0) {
        const int done = moreData ? tag - 1 : examinees;
        const int percent = static_cast<int>(100LL * done / examinees);
        if (percent != printer->Progress())
            printer->SetProgress(percent);
    }
}

void TTicketReport::ApplyPrintOffsets() {
    PutPrintOffsets(ReadPrintOffsets(), *this, Page());
}

} // namespace zel::app
