#include "app/ticket_report.h"

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
    m_RunRows.Take(m_Examinees);
    m_Row = 0;
}

void TTicketReport::TicketReportNeedData(TQRComponent&, bool& moreData) {
    moreData = LoadNextExaminee(*this, m_RunRows, m_Row);
    // The rows are known, so the progress is too: the share of examinees
    // printed before this one. Told only when it changes.
    const int examinees = m_RunRows.RowCount() - 1;
    if (TQRPrinter* printer = QRPrinter(); printer && examinees > 0) {
        const int done = moreData ? m_Row - 1 : examinees;
        const int percent = static_cast<int>(100LL * done / examinees);
        if (percent != printer->Progress())
            printer->SetProgress(percent);
    }
}

void TTicketReport::ApplyPrintOffsets() {
    PutPrintOffsets(ReadPrintOffsets(), *this, Page());
}

bool TTicketReport::PutRequestIf(const TRequest& request, const std::function<bool()>& mayPrint) {
    const std::string school = SchoolNameLabel->Caption();
    const std::string year = YearLabel->Caption();
    const std::string term = TermLabel->Caption();
    const TTicketPlacement placement = PlacementOf(*this, Page());
    SchoolNameLabel->SetCaption(request.SchoolName);
    YearLabel->SetCaption(request.Year);
    TermLabel->SetCaption(request.Term);
    PutPrintOffsets(request.Offsets, *this, Page());
    if (mayPrint())
        return true;
    SchoolNameLabel->SetCaption(school);
    YearLabel->SetCaption(year);
    TermLabel->SetCaption(term);
    RestorePlacement(placement, *this, Page());
    return false;
}

} // namespace zel::app
