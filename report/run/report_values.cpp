#include "report/run/report_values.h"

namespace zel {

void TQRReportValues::AddEntries(TQREvEnvironment& functions) {
    functions.AddFunction("PAGENUMBER", "0");
    functions.AddFunction("COLUMNNUMBER", "0");
    functions.AddFunction("REPORTTITLE", "''");
}

void TQRReportValues::Attach(TQREvEnvironment& functions) {
    m_Functions = &functions;
    m_PageNumber = functions.GetConstant("PAGENUMBER");
    m_ColumnNumber = functions.GetConstant("COLUMNNUMBER");
    m_ReportTitle = functions.GetConstant("REPORTTITLE");
}

void TQRReportValues::Detach() {
    *this = TQRReportValues();
}

void TQRReportValues::SetPageNumber(std::int32_t page) {
    if (m_Functions)
        m_Functions->SetIntegerConstant(m_PageNumber, page);
}

void TQRReportValues::SetColumnNumber(std::int32_t column) {
    if (m_Functions)
        m_Functions->SetIntegerConstant(m_ColumnNumber, column);
}

void TQRReportValues::SetReportTitle(std::string_view title) {
    if (m_Functions)
        m_Functions->SetStringConstant(m_ReportTitle, title);
}

} // namespace zel
