#pragma once
// The calibration sheet: page 1 of the tickets with sample texts, printed
// on plain paper and laid on the stationery to read off the offsets. Each
// label's box is outlined with a hairline and its top-left corner marked
// with a small cross; a scale for each offset gives the value to type
// where the stationery's box corner falls; millimetre rulers run from the
// paper's edges along the top and the left; the offsets in force are
// printed in a free corner.

#include "app/calibration_scales.h"
#include "app/ticket_report_examinees.h"
#include "app/ticket_report_offsets.h"
#include "platform/canvas_types.h"

#include <string>
#include <vector>

namespace zel::app {

class TTicketReport;

// Sample examinees: ten, as many as the first sheet holds at most, or the
// number given.
class TCalibrationExaminees : public TExamineeRows {
public:
    int RowCount() const override;
    std::string Cells(int col, int row) const override;
    void SetCount(int count) { m_Count = count; }

private:
    int m_Count = 10;
};

// Marks `report` for calibration while it lives: frames, crosses, the
// scales, rulers and offsets drawn at the end of each page. Apply after the
// offsets have been put on the report. The school name is left out of the
// tickets whose boxes a scale's leaders cross.
class TCalibrationMarks {
public:
    TCalibrationMarks(TTicketReport& report, const TPrintOffsets& offsets);
    ~TCalibrationMarks();
    TCalibrationMarks(const TCalibrationMarks&) = delete;
    TCalibrationMarks& operator=(const TCalibrationMarks&) = delete;

    // The tickets of the first sheet with these offsets: more samples would
    // only start a second sheet.
    int SheetTickets() const { return m_SheetTickets; }
    const std::vector<TOffsetScale>& Scales() const { return m_Scales; }

private:
    void RecordText(TQRLabel& label, std::string& text);
    void DrawPageMarks();

    TTicketReport& m_Report;
    std::string m_Caption;
    std::vector<TOffsetScale> m_Scales;
    int m_SheetTickets = 0;
    // Device boxes of the texts on the page being made, which the rulers'
    // numbers keep clear of.
    std::vector<platform::TRect> m_Texts;
};

// "left=… top=… space=… height=…", as printed on the sheet.
std::string OffsetsCaption(const TPrintOffsets& offsets);

// The sheet for the offsets being tried in the print-position dialog, in
// the preview, from where it prints or is saved: the school name and year
// from the settings file, the offsets as given. Returns when the preview
// has closed.
void PreviewCalibrationSheet(const TPrintOffsets& offsets);

} // namespace zel::app
