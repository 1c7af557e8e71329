#include "app/calibration_sheet.h"

#include "app/settings.h"
#include "app/ticket_report.h"
#include "output/report_printer.h"
#include "platform/cp932.h"
#include "report/controls/shape.h"

#include <algorithm>
#include <memory>

namespace zel::app {
namespace {

// Half the length of a cross's arms, millimetres.
constexpr long double kCrossArm = 1.5L;
// Ruler ticks, tenths of a millimetre: every millimetre, longer every five
// and ten, numbered every ten.
constexpr int kTickShort = 15;
constexpr int kTickMiddle = 30;
constexpr int kTickLong = 50;

// One device pixel: 0 on a canvas, -1 for a shape, whose width is points.
platform::TPenSpec HairlinePen(int width) {
    platform::TPenSpec pen;
    pen.Width = width;
    return pen;
}

void AddCrossLine(TTicketReport& report, TQRLabel& label, TShapeType shape) {
    auto* line = report.Own(std::make_unique<TQRShape>());
    line->SetParent(report.TicketBand);
    // In the label's own units, so that both go through the same conversion
    // to the page.
    const TQRPrintableSize& box = label.Size();
    TQRPrintableSize& size = line->Size();
    size.SetWidth(2 * kCrossArm);
    size.SetHeight(2 * kCrossArm);
    size.SetLeft(box.Left() - kCrossArm);
    size.SetTop(box.Top() - kCrossArm);
    line->SetShape(shape);
    line->SetPen(HairlinePen(-1));
}

void MarkLabel(TTicketReport& report, TQRLabel& label) {
    TQRFrame& frame = label.Frame();
    frame.SetWidth(-1);
    frame.SetDrawTop(true);
    frame.SetDrawBottom(true);
    frame.SetDrawLeft(true);
    frame.SetDrawRight(true);
    AddCrossLine(report, label, qrsHorLine);
    AddCrossLine(report, label, qrsVertLine);
}

// Rulers along the top and left edges and the offsets in the bottom-right
// corner, below the last row of tickets.
void DrawPageMarks(TQRPrinter& printer, const TQRPage& page, const std::string& caption) {
    platform::TCanvas* canvas = printer.Canvas();
    if (!canvas)
        return;
    canvas->SetPen(HairlinePen(0));
    platform::TFontSpec font = canvas->Font();
    font.Name = cp932::Sys(platform::kDefaultFontFace);
    font.Size = 0;
    font.Height = -std::max(8, printer.YSize(22));
    font.Color = platform::kBlack;
    canvas->SetFont(font);
    canvas->SetBkMode(platform::TBkMode::Transparent);
    const auto tick = [](int mm) {
        return mm % 10 == 0 ? kTickLong : mm % 5 == 0 ? kTickMiddle : kTickShort;
    };
    const int widthMm = static_cast<int>(page.Width() / 10);
    const int lengthMm = static_cast<int>(page.Length() / 10);
    for (int mm = 0; mm <= widthMm; ++mm) {
        const int x = printer.XPos(mm * 10.0L);
        canvas->MoveTo(x, printer.YPos(0));
        canvas->LineTo(x, printer.YPos(tick(mm)));
        if (mm % 10 == 0 && mm > 0)
            canvas->TextOut(x + 2, printer.YPos(kTickLong), std::to_string(mm));
    }
    for (int mm = 0; mm <= lengthMm; ++mm) {
        const int y = printer.YPos(mm * 10.0L);
        canvas->MoveTo(printer.XPos(0), y);
        canvas->LineTo(printer.XPos(tick(mm)), y);
        if (mm % 10 == 0 && mm > 0)
            canvas->TextOut(printer.XPos(kTickLong) + 2, y, std::to_string(mm));
    }
    canvas->SetTextAlign(platform::TTextAlign::Right);
    canvas->TextOut(printer.XPos(page.Width() - 50), printer.YPos(page.Length() - 70), caption);
    canvas->SetTextAlign(platform::TTextAlign::Left);
}

} // namespace

// Two columns of four or five tickets make the first sheet, depending on
// the row pitch; only that sheet is given out.
constexpr int kCalibrationExaminees = 10;

int TCalibrationExaminees::RowCount() const {
    return kCalibrationExaminees + 1;
}

std::string TCalibrationExaminees::Cells(int col, int row) const {
    if (row < 1 || row > kCalibrationExaminees)
        return {};
    switch (col) {
    case 0:
        return std::to_string(123450 + row);
    case 1:
        return cp932::Sys("見本　太郎");
    case 2:
        return cp932::Sys("本校");
    default:
        return {};
    }
}

std::string OffsetsCaption(const TPrintOffsets& offsets) {
    return "left=" + std::to_string(offsets.left) + " top=" + std::to_string(offsets.top) +
           " space=" + std::to_string(offsets.space) + " height=" + std::to_string(offsets.height);
}

TCalibrationMarks::TCalibrationMarks(TTicketReport& report, const TPrintOffsets& offsets)
    : m_Report(report) {
    TQRLabel* const labels[] = {report.SchoolNameLabel, report.NameLabel, report.VenueLabel,
                                report.YearLabel, report.TermLabel};
    for (TQRLabel* label : labels)
        MarkLabel(report, *label);
    for (int i = 0; i < kExamNumberBoxes; ++i)
        MarkLabel(report, *report.Box(i));
    const std::string caption = OffsetsCaption(offsets);
    report.OnEndPage = [&report, caption, previous = report.OnEndPage](TCustomPagettaRep& sender) {
        if (TQRPrinter* printer = report.QRPrinter())
            DrawPageMarks(*printer, report.Page(), caption);
        if (previous)
            previous(sender);
    };
}

TCalibrationMarks::~TCalibrationMarks() {
    m_Report.OnEndPage = nullptr;
}

void PrintCalibrationSheet(const TPrintOffsets& offsets) {
    const TCalibrationExaminees examinees;
    TTicketReport report(examinees);
    report.SetReportTitle(cp932::Sys("調整用シート"));
    const TIniFile settings = OpenSettings();
    report.SchoolNameLabel->SetCaption(
        settings.ReadString(kSectionBasic, kKeyName, DefaultSchoolName()));
    const std::string year = settings.ReadString(kSectionBasic, kKeyYear, "");
    report.YearLabel->SetCaption(year.empty() ? "8" : year);
    report.TermLabel->SetCaption(cp932::Sys("夏期"));
    PutPrintOffsets(offsets, report, report.Page());
    const TCalibrationMarks marks(report, offsets);
    report.PrinterSettings().SetFirstPage(1);
    report.PrinterSettings().SetLastPage(1);
    report.Print();
}

} // namespace zel::app
