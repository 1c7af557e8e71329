#pragma once
// The values a report keeps current for its expressions: PAGENUMBER,
// COLUMNNUMBER and REPORTTITLE in the report's own environment. The report
// adds the entries when it is made, attaches after preparing the
// environment, and sets the values as pages and columns change.

#include "report/expressions/evaluator_environment.h"

#include <cstdint>
#include <string_view>

namespace zel {

class TQRReportValues {
public:
    // "PAGENUMBER" = "0", "COLUMNNUMBER" = "0", "REPORTTITLE" = "''".
    static void AddEntries(TQREvEnvironment& functions);

    // Looks up the constants of a prepared environment.
    void Attach(TQREvEnvironment& functions);
    void Detach();

    void SetPageNumber(std::int32_t page);
    void SetColumnNumber(std::int32_t column);
    void SetReportTitle(std::string_view title);

private:
    TQREvEnvironment* m_Functions = nullptr;
    TQREvElement* m_PageNumber = nullptr;
    TQREvElement* m_ColumnNumber = nullptr;
    TQREvElement* m_ReportTitle = nullptr;
};

} // namespace zel
