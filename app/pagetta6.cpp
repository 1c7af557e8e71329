#include "app/pagetta6.h"

#include "app/pagetta6_offsets.h"
#include "app/pagetta6_records.h"

namespace zel::app {

TPagetta6::TPagetta6(const TExamineeRows& examinees) : m_Examinees(examinees) {
    LoadTicketLayout(*this, *this);
    SetOptions({TQRReportOption::FirstPageHeader, TQRReportOption::LastPageFooter});
    SetPrintIfEmpty(true);
    PrinterSettings().SetCopies(1);
    PrinterSettings().SetDuplex(false);
    PrinterSettings().SetFirstPage(0);
    PrinterSettings().SetLastPage(0);
    PrinterSettings().SetOutputBin(TQRBin::Auto);
    BeforePrint = [this](TCustomPagettaRep& sender, bool& printReport) {
        PagettaRepBeforePrint(sender, printReport);
    };
    OnNeedData = [this](TQRComponent& sender, bool& moreData) {
        PagettaRepNeedData(sender, moreData);
    };
}

void TPagetta6::PagettaRepBeforePrint(TCustomPagettaRep&, bool&) {
    SetTag(0);
}

void TPagetta6::PagettaRepNeedData(TQRComponent&, bool& moreData) {
    int tag = Tag();
    moreData = LoadNextExaminee(*this, m_Examinees, tag);
    SetTag(tag);
}

void TPagetta6::ApplyPrintOffsets() {
    PutPrintOffsets(ReadPrintOffsets(), *this, Page());
}

} // namespace zel::app
