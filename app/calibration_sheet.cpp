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

// Lengths below are tenths of a millimetre.
// Ruler ticks: every millimetre, longer every five and ten. Where the two
// rulers meet, the ticks of their first millimetres stay short of each
// other, so that both rulers read from the paper's edge.
constexpr int kTickShort = 15;
constexpr int kTickMiddle = 30;
constexpr int kTickLong = 50;
constexpr int kTickCorner = 9;
// A ruler's numbers sit inside its band, past the short ticks, beside the
// centimetre tick.
constexpr int kNumberInset = 17;
constexpr int kNumberGap = 4;
constexpr int kRulerFont = 20;

// Scale labels, and the space between them.
constexpr int kScaleFont = 17;
constexpr int kLabelGap = 4;
// A scale down the page draws its ticks beside the name box's end, from
// kTickNear to kTickFar away from it, and fans out from there to labels
// kLabelAway from the box. At the box's left end the labels stay below
// kAboveCorner, clear of the ticket's year.
constexpr int kTickNear = 10;
constexpr int kTickFar = 65;
constexpr int kLabelAway = 113;
constexpr int kAboveCorner = 87;
// A scale across the page draws its ticks in the gap below the name box
// and its labels at the foot of the school name's box, which is left empty
// there, no further left than kLeftOfCorner, clear of the scale down the
// same corner.
constexpr int kLeftOfCorner = 58;

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

// A label's box on the band, tenths of a millimetre.
struct TNativeBox {
    long double Left, Top, Width, Height;
};

TNativeBox BoxOf(const TQRLabel& label) {
    const std::vector<long double> v = label.Size().WriteValues();
    return {v.at(TQRPrintableSize::kLeft), v.at(TQRPrintableSize::kTop),
            v.at(TQRPrintableSize::kWidth), v.at(TQRPrintableSize::kHeight)};
}

bool Overlap(const platform::TRect& a, const platform::TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Draws and notes texts, in device pixels.
class TSheetWriter {
public:
    TSheetWriter(TQRPrinter& printer, platform::TCanvas& canvas,
                 std::vector<platform::TRect>& texts)
        : m_Printer(printer), m_Canvas(canvas), m_Texts(texts) {}

    void SetFontHeight(int tenths) {
        platform::TFontSpec font = m_Canvas.Font();
        font.Name = cp932::Sys(platform::kDefaultFontFace);
        font.Size = 0;
        font.Height = -std::max(6, m_Printer.YSize(tenths));
        font.Color = platform::kBlack;
        m_Canvas.SetFont(font);
    }
    // Extents in tenths of a millimetre.
    long double Width(const std::string& text) {
        return m_Canvas.TextWidth(text) / m_Printer.XFactor();
    }
    long double Height() { return m_Canvas.TextHeight("0") / m_Printer.YFactor(); }

    platform::TRect Box(long double x, long double y, platform::TTextAlign align,
                        const std::string& text) {
        const platform::TSize size = m_Canvas.TextExtent(text);
        int left = m_Printer.XPos(x);
        if (align == platform::TTextAlign::Right)
            left -= size.Width;
        else if (align == platform::TTextAlign::Center)
            left -= size.Width / 2;
        const int top = m_Printer.YPos(y);
        return {left, top, left + size.Width, top + size.Height};
    }
    bool Free(const platform::TRect& box) const {
        return std::none_of(m_Texts.begin(), m_Texts.end(),
                            [&](const platform::TRect& text) { return Overlap(box, text); });
    }
    void Write(long double x, long double y, platform::TTextAlign align, const std::string& text) {
        m_Texts.push_back(Box(x, y, align, text));
        m_Canvas.SetTextAlign(align);
        m_Canvas.TextOut(m_Printer.XPos(x), m_Printer.YPos(y), text);
        m_Canvas.SetTextAlign(platform::TTextAlign::Left);
    }
    void Line(long double x1, long double y1, long double x2, long double y2) {
        m_Canvas.MoveTo(m_Printer.XPos(x1), m_Printer.YPos(y1));
        m_Canvas.LineTo(m_Printer.XPos(x2), m_Printer.YPos(y2));
    }

private:
    TQRPrinter& m_Printer;
    platform::TCanvas& m_Canvas;
    std::vector<platform::TRect>& m_Texts;
};

// Where labels of `sizes` start when laid one after another `gap` apart
// along a scale whose ticks run from `first` to `last`: centred on the
// ticks, but not before `lowest`.
std::vector<long double> Spread(long double first, long double last,
                                const std::vector<long double>& sizes, long double gap,
                                long double lowest) {
    long double length = 0;
    for (const long double size : sizes)
        length += size + gap;
    long double at = std::max(lowest, (first + last - length + gap) / 2);
    std::vector<long double> starts;
    for (const long double size : sizes) {
        starts.push_back(at);
        at += size + gap;
    }
    return starts;
}

std::string ScaleName(const TOffsetScale& scale) {
    const std::string key = scale.Key;
    const char* what = key == kKeyLeft    ? "横"
                       : key == kKeyTop   ? "縦"
                       : key == kKeySpace ? "右列"
                                          : "２行目以下";
    return cp932::Sys(what) + " " + key;
}

// A scale down the page, at the name box's left end or, for "height",
// its right end, out of the way of the ticket's own year.
void DrawScaleDown(TSheetWriter& out, const TOffsetScale& scale, const TNativeBox& name) {
    const bool rightEnd = std::string(scale.Key) == kKeyHeight;
    const long double side = rightEnd ? 1 : -1;
    const long double edge = scale.Ticket.X + (rightEnd ? name.Width : 0);
    const long double height = out.Height();
    const std::vector<long double> sizes(scale.Ticks.size(), height);
    const long double lowest = rightEnd ? 0 : scale.Ticket.Y - kAboveCorner;
    const std::vector<long double> tops =
        Spread(scale.Ticks.front().At, scale.Ticks.back().At, sizes, kLabelGap, lowest);
    const auto align = rightEnd ? platform::TTextAlign::Left : platform::TTextAlign::Right;
    const long double labelX = edge + side * kLabelAway;
    for (std::size_t i = 0; i < scale.Ticks.size(); ++i) {
        const long double y = scale.Ticks[i].At;
        out.Line(edge + side * kTickNear, y, edge + side * kTickFar, y);
        out.Line(edge + side * kTickFar, y, labelX - side * kLabelGap, tops[i] + height / 2);
        out.Write(labelX, tops[i], align, std::to_string(scale.Ticks[i].Value));
    }
    out.Write(labelX, tops.back() + height + 2 * kLabelGap, align, ScaleName(scale));
}

// A scale across the page, below the name box's left end.
void DrawScaleAcross(TSheetWriter& out, const TOffsetScale& scale, const TTicketReport& report) {
    const TNativeBox name = BoxOf(*report.NameLabel);
    const TNativeBox school = BoxOf(*report.SchoolNameLabel);
    const long double band = scale.Ticket.Y - name.Top;
    const long double tickTop = band + name.Top + name.Height + 3;
    const long double tickBottom = band + school.Top - 7;
    const long double height = out.Height();
    const long double labelTop = band + school.Top + school.Height - height - kLabelGap;
    std::vector<long double> widths;
    for (const TScaleTick& tick : scale.Ticks)
        widths.push_back(out.Width(std::to_string(tick.Value)));
    const std::vector<long double> lefts =
        Spread(scale.Ticks.front().At, scale.Ticks.back().At, widths, 2 * kLabelGap,
               scale.Ticket.X - kLeftOfCorner);
    for (std::size_t i = 0; i < scale.Ticks.size(); ++i) {
        const long double x = scale.Ticks[i].At;
        const long double centre = lefts[i] + widths[i] / 2;
        out.Line(x, tickTop, x, tickBottom);
        out.Line(x, tickBottom, centre, labelTop - kLabelGap);
        out.Write(centre, labelTop, platform::TTextAlign::Center,
                  std::to_string(scale.Ticks[i].Value));
    }
    out.Write(lefts.back() + widths.back() + 4 * kLabelGap, labelTop, platform::TTextAlign::Left,
              ScaleName(scale));
}

// Rulers from the paper's edges along the top and the left. A number that
// would meet a text is left out; its tick still shows.
void DrawRulers(TSheetWriter& out, const TQRPage& page) {
    const auto tick = [](int mm) {
        return mm % 10 == 0  ? kTickLong
               : mm % 5 == 0 ? kTickMiddle
               : mm < 5      ? kTickCorner
                             : kTickShort;
    };
    const int widthMm = static_cast<int>(page.Width() / 10);
    const int lengthMm = static_cast<int>(page.Length() / 10);
    const auto number = [&](long double x, long double y, platform::TTextAlign align, int mm) {
        const std::string text = std::to_string(mm);
        if (out.Free(out.Box(x, y, align, text)))
            out.Write(x, y, align, text);
    };
    for (int mm = 0; mm <= widthMm; ++mm) {
        out.Line(mm * 10.0L, 0, mm * 10.0L, tick(mm));
        if (mm % 10 != 0 || mm == 0)
            continue;
        // The last number would run off the paper: it goes before its tick.
        const bool fits = mm * 10 + kNumberGap + out.Width(std::to_string(mm)) <= page.Width();
        number(mm * 10.0L + (fits ? kNumberGap : -kNumberGap), kNumberInset,
               fits ? platform::TTextAlign::Left : platform::TTextAlign::Right, mm);
    }
    for (int mm = 0; mm <= lengthMm; ++mm) {
        out.Line(0, mm * 10.0L, tick(mm), mm * 10.0L);
        if (mm % 10 == 0 && mm > 0)
            number(kNumberInset, mm * 10.0L + kNumberGap, platform::TTextAlign::Left, mm);
    }
}

} // namespace

// Two columns of four or five tickets make the first sheet, depending on
// the row pitch.
int TCalibrationExaminees::RowCount() const {
    return m_Count + 1;
}

std::string TCalibrationExaminees::Cells(int col, int row) const {
    if (row < 1 || row > m_Count)
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
    : m_Report(report), m_Caption(OffsetsCaption(offsets)), m_Scales(MeasureOffsetScales(offsets)),
      m_SheetTickets(static_cast<int>(FirstSheetNameCorners(offsets).size())) {
    // Offsets far off the sheet are not measured: the ten samples, then.
    if (m_SheetTickets == 0)
        m_SheetTickets = 10;
    std::vector<TQRLabel*> labels = {report.SchoolNameLabel, report.NameLabel, report.VenueLabel,
                                     report.YearLabel, report.TermLabel};
    for (int i = 0; i < kExamNumberBoxes; ++i)
        labels.push_back(report.Box(i));
    for (TQRLabel* label : labels) {
        MarkLabel(report, *label);
        label->OnPrint = [this, label](TQRComponent&, std::string& text) {
            RecordText(*label, text);
        };
    }
    report.OnEndPage = [this, previous = report.OnEndPage](TCustomPagettaRep& sender) {
        DrawPageMarks();
        if (previous)
            previous(sender);
    };
}

TCalibrationMarks::~TCalibrationMarks() {
    m_Report.OnEndPage = nullptr;
    for (TQRLabel* label : {m_Report.SchoolNameLabel, m_Report.NameLabel, m_Report.VenueLabel,
                            m_Report.YearLabel, m_Report.TermLabel})
        label->OnPrint = nullptr;
    for (int i = 0; i < kExamNumberBoxes; ++i)
        m_Report.Box(i)->OnPrint = nullptr;
}

void TCalibrationMarks::RecordText(TQRLabel& label, std::string& text) {
    TQRPrinter* printer = m_Report.QRPrinter();
    if (!printer)
        return;
    // The scales across the page lead through the school name's box of the
    // first ticket of each column.
    if (&label == m_Report.SchoolNameLabel && m_Report.PageNumber() == 1 &&
        m_Report.CurrentY() == m_Report.ColumnTop()) {
        text.clear();
        return;
    }
    const TNativeBox box = BoxOf(label);
    const long double x = m_Report.CurrentX() + box.Left;
    const long double y = m_Report.CurrentY() + box.Top;
    m_Texts.push_back({printer->XPos(x), printer->YPos(y), printer->XPos(x + box.Width),
                       printer->YPos(y + box.Height)});
}

void TCalibrationMarks::DrawPageMarks() {
    TQRPrinter* printer = m_Report.QRPrinter();
    platform::TCanvas* canvas = printer ? printer->Canvas() : nullptr;
    if (!canvas) {
        m_Texts.clear();
        return;
    }
    canvas->SetPen(HairlinePen(0));
    canvas->SetBkMode(platform::TBkMode::Transparent);
    TSheetWriter out(*printer, *canvas, m_Texts);
    const TQRPage& page = m_Report.Page();
    if (m_Report.PageNumber() == 1) {
        out.SetFontHeight(kScaleFont);
        const TNativeBox name = BoxOf(*m_Report.NameLabel);
        for (const TOffsetScale& scale : m_Scales) {
            if (scale.Ticks.empty())
                continue;
            if (scale.Axis == TScaleAxis::Down)
                DrawScaleDown(out, scale, name);
            else
                DrawScaleAcross(out, scale, m_Report);
        }
    }
    out.SetFontHeight(kRulerFont);
    out.Write(page.Width() - 50, page.Length() - 70, platform::TTextAlign::Right, m_Caption);
    DrawRulers(out, page);
    m_Texts.clear();
}

void PreviewCalibrationSheet(const TPrintOffsets& offsets) {
    TCalibrationExaminees examinees;
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
    examinees.SetCount(marks.SheetTickets());
    report.Preview();
}

} // namespace zel::app
