#include "app/ticket_report_layout.h"

#include "platform/cp932.h"
#include "report/controls/custom_report.h"

#include <memory>
#include <vector>

namespace zel::app {
namespace {

constexpr const char* kMincho = "ＭＳ Ｐ明朝";
constexpr const char* kGothic = "ＭＳ Ｐゴシック";

struct TLabelDesign {
    TQRLabel* TTicketComponents::*Member;
    int Left, Top, Width, Height;    // pixels on the band
    std::vector<long double> Values; // Height, Left, Top, Width; tenths of a millimetre
    const char* Face;
    TAlignment Alignment;
    bool Transparent;
    const char* Caption; // a placeholder: every caption is replaced before printing
};

TLabelDesign Design(TQRLabel* TTicketComponents::*member, int left, int top, int width, int height,
                    long double valueHeight, long double valueLeft, long double valueTop,
                    long double valueWidth, const char* face, TAlignment alignment,
                    bool transparent, const char* caption) {
    return {member, left,      top,
            width,  height,    {valueHeight, valueLeft, valueTop, valueWidth},
            face,   alignment, transparent,
            caption};
}

using Components = TTicketComponents;

// In declaration order, which is the order the band prints them in.
const std::vector<TLabelDesign>& LabelDesigns() {
    static const std::vector<TLabelDesign> designs = {
        Design(&Components::SchoolNameLabel, 120, 111, 193, 22, 58.2083L, 317.5L, 293.6875L,
               510.6458L, kMincho, taLeftJustify, true, "一二三四五六七八九十"),
        Design(&Components::ExamNumberBox1, 120, 51, 20, 20, 52.9167L, 317.5L, 134.9375L, 52.9167L,
               kGothic, taCenter, true, "1"),
        Design(&Components::ExamNumberBox2, 150, 51, 20, 20, 52.9167L, 396.875L, 134.9375L,
               52.9167L, kGothic, taCenter, true, "2"),
        Design(&Components::ExamNumberBox3, 180, 51, 20, 20, 52.9167L, 476.25L, 134.9375L, 52.9167L,
               kGothic, taCenter, true, "3"),
        Design(&Components::ExamNumberBox4, 210, 51, 20, 20, 52.9167L, 555.625L, 134.9375L,
               52.9167L, kGothic, taCenter, true, "4"),
        Design(&Components::ExamNumberBox5, 240, 51, 20, 20, 52.9167L, 635.0L, 134.9375L, 52.9167L,
               kGothic, taCenter, true, "5"),
        Design(&Components::ExamNumberBox6, 270, 51, 20, 20, 52.9167L, 714.375L, 134.9375L,
               52.9167L, kGothic, taCenter, true, "6"),
        Design(&Components::NameLabel, 120, 81, 193, 22, 58.2083L, 317.5L, 214.3125L, 510.6458L,
               kMincho, taLeftJustify, true, "QRLabel14"),
        Design(&Components::VenueLabel, 120, 141, 193, 22, 58.2083L, 317.5L, 373.0625L, 510.6458L,
               kMincho, taLeftJustify, true, "QRLabel15"),
        Design(&Components::YearLabel, 90, 20, 25, 22, 58.2083L, 238.125L, 52.9167L, 66.1458L,
               kMincho, taCenter, false, "17"),
        Design(&Components::TermLabel, 168, 20, 49, 22, 58.2083L, 444.5L, 52.9167L, 129.6458L,
               kMincho, taCenter, false, "夏期"),
    };
    return designs;
}

platform::TFontSpec LabelFont(const char* face) {
    platform::TFontSpec font;
    font.Name = cp932::Sys(face);
    font.Height = -19;
    font.Charset = platform::kShiftJisCharset;
    font.Color = platform::kBlack;
    return font;
}

TQRBand* LoadBand(TCustomPagettaRep& report) {
    auto* band = report.Own(std::make_unique<TQRBand>(rbDetail));
    band->BeginLoading();
    band->SetParent(&report);
    band->SetBounds(0, 0, 342, 185);
    band->Size().ReadValues({489.5L, 904.875L});
    band->SetColor(platform::kWhite);
    band->Frame().SetColor(platform::kBlack);
    band->Frame().SetStyle(platform::TPenStyle::Dot);
    band->SetAlignToBottom(false);
    band->SetForceNewColumn(false);
    band->SetForceNewPage(false);
    return band;
}

TQRLabel* LoadLabel(TCustomPagettaRep& report, TQRBand& band, const TLabelDesign& design) {
    auto* label = report.Own(std::make_unique<TQRLabel>());
    label->BeginLoading();
    label->SetParent(&band);
    label->SetBounds(design.Left, design.Top, design.Width, design.Height);
    label->Size().ReadValues(design.Values);
    label->SetParentFont(false);
    label->SetFont(LabelFont(design.Face));
    // Points, so a ticket keeps its size whatever the screen.
    label->SetFontSize(14);
    label->SetColor(platform::kWhite);
    label->SetTransparent(design.Transparent);
    label->SetAlignment(design.Alignment);
    label->SetAutoSize(false);
    label->SetAutoStretch(false);
    label->SetAlignToBand(false);
    label->SetWordWrap(true);
    label->Frame().SetColor(platform::kBlack);
    label->SetCaption(cp932::Sys(design.Caption));
    return label;
}

} // namespace

TQRLabel* TTicketComponents::Box(int index) const {
    TQRLabel* const boxes[kExamNumberBoxes] = {ExamNumberBox1, ExamNumberBox2, ExamNumberBox3,
                                               ExamNumberBox4, ExamNumberBox5, ExamNumberBox6};
    return boxes[index];
}

void LoadTicketLayout(TCustomPagettaRep& report, TTicketComponents& components) {
    TQRPage& page = report.Page();
    report.SetUnits(TQRUnit::MM);
    report.SetZoom(100);
    page.SetPaperSize(TQRPaperSize::B5);
    page.SetOrientation(TPrinterOrientation::poPortrait);
    page.SetColumns(2);
    page.ReadValues({100, 2570, 0, 1820, 0, 0, 10});
    // The design surface follows the page: 688 x 971 pixels.
    page.Refresh();
    report.Frame().SetColor(platform::kBlack);

    report.BeginLoad();
    components.TicketBand = LoadBand(report);
    for (const TLabelDesign& design : LabelDesigns())
        components.*design.Member = LoadLabel(report, *components.TicketBand, design);
    report.EndLoad();
}

} // namespace zel::app
