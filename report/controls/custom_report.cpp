#include "report/controls/custom_report.h"

#include "platform/cp932.h"
#include "platform/locale.h"
#include "report/controls/measure_canvas.h"
#include "report/controls/printable.h"
#include "report/controls/report_units_and_zoom.h"

#include <cstdlib>

namespace zel {

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return 0;
    const long long product = static_cast<long long>(a) * b;
    const long long magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

TCustomPagettaRep::TCustomPagettaRep() {
    m_Font.Name = cp932::Sys(platform::kDefaultFontFace);
    m_Font.Size = 9;
    m_Font.Charset = platform::kShiftJisCharset;
    if (!platform::PrimaryLanguageIsJapanese()) {
        m_Font.Name = "Arial";
        m_Font.Size = 10;
        m_Font.Charset = platform::kDefaultCharset;
    }
    // The page was laid down without us; now the surface follows it.
    m_Page.SetReport(this);
    m_Page.Refresh();
}

TCustomPagettaRep::~TCustomPagettaRep() {
    MarkDestroying();
    DestroyComponents();
    m_Page.SetReport(nullptr);
}

void TCustomPagettaRep::SetUnits(TQRUnit unit) {
    m_Page.SetUnits(unit);
    for (TQRCustomBand* band : Bands())
        band->SetUnits(unit);
    for (TQRPrintable* printable : Printables())
        printable->Size().SetUnits(unit);
}

void TCustomPagettaRep::SetZoom(int zoom) {
    std::vector<TQRUnitBase*> sizes;
    for (TQRPrintable* printable : Printables())
        sizes.push_back(&printable->Size());
    if (zoom < kMinZoom || zoom > kMaxZoom)
        return;
    TQRBasePanel::SetZoom(zoom);
    for (TQRCustomBand* band : Bands())
        band->SetZoom(zoom);
    SetReportZoom(m_Page, sizes, zoom);
}

void TCustomPagettaRep::SetFont(const platform::TFontSpec& font) {
    m_Font = font;
}

long double TCustomPagettaRep::FontSizePoints() const {
    if (m_Font.Size != 0)
        return std::abs(m_Font.Size);
    return std::abs(m_Font.Height) * 72.0L / platform::kScreenPixelsPerInch;
}

void TCustomPagettaRep::SetPixelSize(int width, int height) {
    ApplyBounds(TQRControl::Left(), TQRControl::Top(), width, height);
}

std::vector<TQRCustomBand*> TCustomPagettaRep::Bands() const {
    std::vector<TQRCustomBand*> bands;
    for (TQRControl* control : Controls())
        if (auto* band = dynamic_cast<TQRCustomBand*>(control); band && !band->Destroying())
            bands.push_back(band);
    return bands;
}

std::vector<TQRPrintable*> TCustomPagettaRep::Printables() const {
    std::vector<TQRPrintable*> printables;
    for (TQRControl* control : Controls())
        if (auto* printable = dynamic_cast<TQRPrintable*>(control))
            printables.push_back(printable);
    return printables;
}

TQRCustomBand* TCustomPagettaRep::FindBand(TQRBandType type) const {
    for (TQRCustomBand* band : m_BandList)
        if (band->BandType() == type)
            return band;
    return nullptr;
}

platform::TCanvas& TCustomPagettaRep::MeasureCanvas() {
    if (!m_MeasureCanvas)
        m_MeasureCanvas = std::make_unique<TQRMeasureCanvas>();
    return *m_MeasureCanvas;
}

void TCustomPagettaRep::SetMeasureCanvas(std::unique_ptr<platform::TCanvas> canvas) {
    m_MeasureCanvas = std::move(canvas);
}

int TCustomPagettaRep::TextWidth(const platform::TFontSpec& font, std::string_view text, int zoom) {
    platform::TCanvas& canvas = MeasureCanvas();
    canvas.SetFont(font);
    return MulDiv(canvas.TextWidth(text) + 1, zoom, 100);
}

int TCustomPagettaRep::TextHeight(const platform::TFontSpec& font, int zoom) {
    platform::TCanvas& canvas = MeasureCanvas();
    canvas.SetFont(font);
    return MulDiv(canvas.TextHeight("W"), zoom, 100);
}

void TCustomPagettaRep::BeginLoad() {
    BeginLoading();
    for (TQRCustomBand* band : Bands()) {
        band->BeginLoading();
        for (TQRPrintable* printable : band->Printables())
            printable->BeginLoading();
    }
    for (TQRPrintable* printable : Printables())
        printable->BeginLoading();
}

void TCustomPagettaRep::EndLoad() {
    for (TQRCustomBand* band : Bands())
        band->Loaded();
    for (TQRCustomBand* band : Bands())
        for (TQRPrintable* printable : band->Printables())
            printable->Loaded();
    for (TQRPrintable* printable : Printables())
        printable->Loaded();
    Loaded();
    RebuildBandList();
    ArrangeBands();
}

void TCustomPagettaRep::ControlsChanged() {
    if (Loading() || Destroying())
        return;
    RebuildBandList();
    ArrangeBands();
}

} // namespace zel
