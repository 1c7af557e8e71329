#include "app/ticket_report_layout.h"

#include "platform/cp932.h"
#include "report/controls/custom_report.h"

#include <memory>
#include <vector>

namespace zel::app {
namespace {

constexpr const char* kMincho = "ＭＳ Ｐ明朝";
// The exam-number boxes keep the face every report starts with.
constexpr const char* kGothic = platform::kDefaultFontFace;

// Face, alignment and opacity come in three kinds: the exam-number boxes,
// the lines of the ticket, and the year and term of the heading.
struct TLabelStyle {
    const char* Face;
    TAlignment Alignment;
    bool Transparent;
};

constexpr TLabelStyle kBoxStyle{.Face = kGothic, .Alignment = taCenter, .Transparent = true};
constexpr TLabelStyle kLineStyle{.Face = kMincho, .Alignment = taLeftJustify, .Transparent = true};
constexpr TLabelStyle kHeadingStyle{.Face = kMincho, .Alignment = taCenter, .Transparent = false};

struct TLabelDesign {
    TQRLabel* TTicketComponents::*Member;
    struct {
        int Left, Top, Width, Height;
    } Bounds; // pixels on the band
    struct {
        long double Height, Left, Top, Width;
    } Stored; // the same bounds in tenths of a millimetre, as the layout stores them
    TLabelStyle Style;
    const char* Caption; // a placeholder: every caption is replaced before printing
};

using Components = TTicketComponents;

// In declaration order, which is the order the band prints them in.
constexpr TLabelDesign kLabelDesigns[] = {
    {.Member = &Components::SchoolNameLabel,
     .Bounds = {.Left = 120, .Top = 111, .Width = 193, .Height = 22},
     .Stored = {.Height = 58.2083L, .Left = 317.5L, .Top = 293.6875L, .Width = 510.6458L},
     .Style = kLineStyle,
     .Caption = "一二三四五六七八九十"},
    {.Member = &Components::ExamNumberBox1,
     .Bounds = {.Left = 120, .Top = 51, .Width = 20, .Height = 20},
     .Stored = {.Height = 52.9167L, .Left = 317.5L, .Top = 134.9375L, .Width = 52.9167L},
     .Style = kBoxStyle,
     .Caption = "1"},
    {.Member = &Components::ExamNumberBox2,
     .Bounds = {.Left = 150, .Top = 51, .Width = 20, .Height = 20},
     .Stored = {.Height = 52.9167L, .Left = 396.875L, .Top = 134.9375L, .Width = 52.9167L},
     .Style = kBoxStyle,
     .Caption = "2"},
    {.Member = &Components::ExamNumberBox3,
     .Bounds = {.Left = 180, .Top = 51, .Width = 20, .Height = 20},
     .Stored = {.Height = 52.9167L, .Left = 476.25L, .Top = 134.9375L, .Width = 52.9167L},
     .Style = kBoxStyle,
     .Caption = "3"},
    {.Member = &Components::ExamNumberBox4,
     .Bounds = {.Left = 210, .Top = 51, .Width = 20, .Height = 20},
     .Stored = {.Height = 52.9167L, .Left = 555.625L, .Top = 134.9375L, .Width = 52.9167L},
     .Style = kBoxStyle,
     .Caption = "4"},
    {.Member = &Components::ExamNumberBox5,
     .Bounds = {.Left = 240, .Top = 51, .Width = 20, .Height = 20},
     .Stored = {.Height = 52.9167L, .Left = 635.0L, .Top = 134.9375L, .Width = 52.9167L},
     .Style = kBoxStyle,
     .Caption = "5"},
    {.Member = &Components::ExamNumberBox6,
     .Bounds = {.Left = 270, .Top = 51, .Width = 20, .Height = 20},
     .Stored = {.Height = 52.9167L, .Left = 714.375L, .Top = 134.9375L, .Width = 52.9167L},
     .Style = kBoxStyle,
     .Caption = "6"},
    {.Member = &Components::NameLabel,
     .Bounds = {.Left = 120, .Top = 81, .Width = 193, .Height = 22},
     .Stored = {.Height = 58.2083L, .Left = 317.5L, .Top = 214.3125L, .Width = 510.6458L},
     .Style = kLineStyle,
     .Caption = "QRLabel14"},
    {.Member = &Components::VenueLabel,
     .Bounds = {.Left = 120, .Top = 141, .Width = 193, .Height = 22},
     .Stored = {.Height = 58.2083L, .Left = 317.5L, .Top = 373.0625L, .Width = 510.6458L},
     .Style = kLineStyle,
     .Caption = "QRLabel15"},
    {.Member = &Components::YearLabel,
     .Bounds = {.Left = 90, .Top = 20, .Width = 25, .Height = 22},
     .Stored = {.Height = 58.2083L, .Left = 238.125L, .Top = 52.9167L, .Width = 66.1458L},
     .Style = kHeadingStyle,
     .Caption = "17"},
    {.Member = &Components::TermLabel,
     .Bounds = {.Left = 168, .Top = 20, .Width = 49, .Height = 22},
     .Stored = {.Height = 58.2083L, .Left = 444.5L, .Top = 52.9167L, .Width = 129.6458L},
     .Style = kHeadingStyle,
     .Caption = "夏期"},
};

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
    const auto& [left, top, width, height] = design.Bounds;
    label->SetBounds(left, top, width, height);
    const auto& stored = design.Stored;
    label->Size().ReadValues({stored.Height, stored.Left, stored.Top, stored.Width});
    label->SetParentFont(false);
    label->SetFont(LabelFont(design.Style.Face));
    // Points, so a ticket keeps its size whatever the screen.
    label->SetFontSize(14);
    label->SetColor(platform::kWhite);
    label->SetTransparent(design.Style.Transparent);
    label->SetAlignment(design.Style.Alignment);
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
    for (const TLabelDesign& design : kLabelDesigns)
        components.*design.Member = LoadLabel(report, *components.TicketBand, design);
    report.EndLoad();
}

} // namespace zel::app
