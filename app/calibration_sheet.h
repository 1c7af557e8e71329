#pragma once
// The calibration sheet: page 1 of the tickets with sample texts, printed
// on plain paper and held against the stationery to read off the offsets.
// Each label's box is outlined with a hairline and its top-left corner
// marked with a small cross; millimetre rulers run along the paper's top
// and left edges; the offsets in force are printed in a free corner.

#include "app/ticket_report_examinees.h"
#include "app/ticket_report_offsets.h"

#include <string>

namespace zel::app {

class TTicketReport;

// Sample examinees enough to fill the first sheet.
class TCalibrationExaminees : public TExamineeRows {
public:
    int RowCount() const override;
    std::string Cells(int col, int row) const override;
};

// Marks `report` for calibration while it lives: frames, crosses and the
// page-end drawing. Apply after the offsets have been put on the report.
class TCalibrationMarks {
public:
    TCalibrationMarks(TTicketReport& report, const TPrintOffsets& offsets);
    ~TCalibrationMarks();
    TCalibrationMarks(const TCalibrationMarks&) = delete;
    TCalibrationMarks& operator=(const TCalibrationMarks&) = delete;

private:
    TTicketReport& m_Report;
};

// "left=… top=… space=… height=…", as printed on the sheet.
std::string OffsetsCaption(const TPrintOffsets& offsets);

// The sheet for the offsets being tried in the print-position dialog,
// printed on the default printer with a progress window: the school name
// and year from the settings file, the offsets as given.
void PrintCalibrationSheet(const TPrintOffsets& offsets);

} // namespace zel::app
