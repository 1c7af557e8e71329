#include "app/ticket_print_check.h"

#include "app/message_box.h"
#include "app/ticket_report.h"
#include "framework/messages.h"
#include "page/units.h"
#include "platform/cp932.h"

namespace zel::app {
namespace {

TTextBox BoxOf(const TQRLabel& label) {
    const TQRPrintableSize& size = label.Size();
    return {.Left = size.NativeValue(TQRPrintableSize::kLeft),
            .Top = size.NativeValue(TQRPrintableSize::kTop),
            .Width = size.NativeValue(TQRPrintableSize::kWidth),
            .Height = size.NativeValue(TQRPrintableSize::kHeight)};
}

TTicketSheet SheetOf(const TTicketReport& report) {
    const TQRPage& page = report.Page();
    TTicketSheet sheet;
    sheet.PageWidth = page.NativeValue(TQRPage::kWidth);
    sheet.PageLength = page.NativeValue(TQRPage::kLength);
    sheet.LeftMargin = page.NativeValue(TQRPage::kLeftMargin);
    sheet.TopMargin = page.NativeValue(TQRPage::kTopMargin);
    sheet.BottomMargin = page.NativeValue(TQRPage::kBottomMargin);
    const TQRBandSize& band = report.TicketBand->Size();
    sheet.RowPitch = band.NativeValue(TQRBandSize::kHeight);
    // Where the run starts the next column: the band's rounded width and
    // the column space.
    sheet.ColumnStep =
        static_cast<long double>(RoundHalfEven(band.NativeValue(TQRBandSize::kWidth)) +
                                 RoundHalfEven(page.NativeValue(TQRPage::kColumnSpace)));
    sheet.Columns = page.Columns();
    for (const TQRLabel* label :
         {report.SchoolNameLabel, report.ExamNumberBox1, report.ExamNumberBox2,
          report.ExamNumberBox3, report.ExamNumberBox4, report.ExamNumberBox5,
          report.ExamNumberBox6, report.NameLabel, report.VenueLabel, report.YearLabel,
          report.TermLabel})
        sheet.Texts.push_back(BoxOf(*label));
    return sheet;
}

} // namespace

std::vector<TPrintFinding> CheckTicketReport(TTicketReport& report, const TExamineeRows& rows) {
    TPrintCheckInput input;
    input.Rows = &rows;
    input.SchoolName = report.SchoolNameLabel->Caption();
    input.Year = report.YearLabel->Caption();
    input.ExamNumberBoxes = kExamNumberBoxes;
    // The name, school and venue labels share their width and font.
    TQRLabel* nameLabel = report.NameLabel;
    input.LineLabelWidth = nameLabel->Width();
    input.LineWidth = [nameLabel](std::string_view text) { return nameLabel->TextWidth(text); };
    TQRLabel* yearLabel = report.YearLabel;
    input.YearLabelWidth = yearLabel->Width();
    input.YearWidth = [yearLabel](std::string_view text) { return yearLabel->TextWidth(text); };
    input.Sheet = SheetOf(report);
    return CheckTickets(input);
}

bool MayPrintTickets(TTicketReport& report, const TExamineeRows& rows) {
    const std::vector<TPrintFinding> findings = CheckTicketReport(report, rows);
    if (findings.empty())
        return true;
    return AskYesNo(cp932::Sys(msg::kCheckFound) + "\n" + cp932::Sys(msg::kCheckGoOn),
                    cp932::ToUtf8(FindingsText(findings)), TMsgDlgType::mtWarning);
}

} // namespace zel::app
