#pragma once
// Shared pieces of the band and label tests: text measured with fixed
// widths (so line breaks are known exactly), a report printer surface that
// records onto a page, and a report with a plain column flow standing in
// for the generation run.

#include "platform/cp932.h"
#include "platform/recording_canvas.h"
#include "report/controls/custom_report.h"
#include "report/controls/label.h"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace zel::test {

// Every byte is half the font's pixel height wide (a double-byte character
// a full height); a line is the font's height high.
inline platform::TSize FixedExtent(const platform::TFontSpec& font, std::string_view text) {
    const int height = std::abs(font.Height);
    return {static_cast<int>(text.size()) * height / 2, height};
}

class TFixedMeasureCanvas : public platform::TRecordingCanvas {
public:
    explicit TFixedMeasureCanvas(int pixelsPerInch = 96, int width = 0, int height = 0)
        : TRecordingCanvas(width, height, pixelsPerInch) {}
    platform::TSize TextExtent(std::string_view text) override { return FixedExtent(Font(), text); }
};

// A recorded page with the report printer's conversions for a surface of
// `pixelsPerInch`, positions from the paper's corner.
class TRecordingSurface : public TQRPrintSurface {
public:
    explicit TRecordingSurface(int pixelsPerInch = 96, int width = 688, int height = 971)
        : m_Canvas(pixelsPerInch, width, height), m_Factor(pixelsPerInch / 254.0L) {}

    platform::TCanvas* Canvas() const override { return &m_Canvas; }
    int XPos(long double v) const override { return static_cast<int>(RoundHalfEven(v * m_Factor)); }
    int YPos(long double v) const override { return static_cast<int>(RoundHalfEven(v * m_Factor)); }
    int XSize(long double v) const override { return XPos(v); }
    int YSize(long double v) const override { return YPos(v); }
    long double XFactor() const override { return m_Factor; }
    long double YFactor() const override { return m_Factor; }

    const std::vector<platform::TPageRecord>& Records() const { return m_Canvas.Page().Records(); }
    template <class Record> std::vector<Record> All() const {
        std::vector<Record> found;
        for (const auto& record : Records())
            if (const Record* r = std::get_if<Record>(&record))
                found.push_back(*r);
        return found;
    }

private:
    mutable TFixedMeasureCanvas m_Canvas;
    long double m_Factor;
};

// Columns fill top to bottom, then the next column, then a new page; no
// headers or footers. Enough of a run to print bands in.
class TTestReport : public TCustomPagettaRep {
public:
    TTestReport() { SetMeasureCanvas(std::make_unique<TFixedMeasureCanvas>()); }

    void StartRun(TQRPrintSurface& surface) {
        m_SavedUnits = Units();
        SetUnits(TQRUnit::Native);
        SetQRPrinter(&surface);
        SetIdle(false);
        SetCurrentY(-1);
        SetPageNumber(0);
        m_Column = Page().Columns();
        for (TQRCustomBand* band : Bands())
            for (TQRPrintable* printable : band->Printables())
                printable->Prepare();
    }
    void EndRun() {
        for (TQRCustomBand* band : Bands())
            for (TQRPrintable* printable : band->Printables())
                printable->Unprepare();
        SetIdle(true);
        SetQRPrinter(nullptr);
        SetUnits(m_SavedUnits);
    }

    int SpaceLeft() const override {
        if (Idle() || CurrentY() == -1)
            return 0;
        return static_cast<int>(
            RoundHalfEven(Page().Length() - Page().BottomMargin() - CurrentY()));
    }
    void NewColumn() override {
        if (m_Column == Page().Columns()) {
            m_Column = 1;
            SetCurrentX(static_cast<int>(RoundHalfEven(Page().LeftMargin())));
            SetPageNumber(PageNumber() + 1);
            SetCurrentY(static_cast<int>(RoundHalfEven(Page().TopMargin())));
            m_ColumnTop = CurrentY();
            ++pagesBegun;
        } else {
            const TQRCustomBand* detail = FindBand(rbDetail);
            SetCurrentX(CurrentX() + static_cast<int>(RoundHalfEven(detail->Size().Width()) +
                                                      RoundHalfEven(Page().ColumnSpace())));
            SetCurrentY(m_ColumnTop);
            ++m_Column;
        }
        ++newColumns;
    }
    void EnsureSpace(TQRCustomBand& band) override {
        const long long needed = RoundHalfEven(band.RequiredHeight(true));
        if (needed > SpaceLeft() &&
            needed <= Page().Length() - Page().TopMargin() - Page().BottomMargin()) {
            NewColumn();
            return;
        }
        if (PageNumber() == 0)
            NewColumn();
    }
    void BreakToNewPage() override { NewColumn(); }
    void BreakToNewColumn() override { NewColumn(); }
    void OutputBand(TQRCustomBand* band) override {
        if (band)
            band->Print();
    }

    int Column() const { return m_Column; }
    int newColumns = 0;
    int pagesBegun = 0;

private:
    TQRUnit m_SavedUnits = TQRUnit::MM;
    int m_Column = 1;
    int m_ColumnTop = 0;
};

// The ticket report's page (B5, two columns 1 mm apart, 10 mm bottom
// margin) and its detail band as stored: 489.5 high.
struct TTicketReport {
    TTicketReport() {
        report.Page().SetUnits(TQRUnit::MM);
        report.SetUnits(TQRUnit::MM);
        report.Page().SetPaperSize(TQRPaperSize::B5);
        report.Page().SetColumns(2);
        report.Page().ReadValues({100, 2570, 0, 1820, 0, 0, 10});
        report.ArrangeBands();
        report.BeginLoad();
        band = report.Own(std::make_unique<TQRBand>(rbDetail));
        band->BeginLoading();
        band->SetParent(&report);
        band->SetBounds(0, 0, 342, 185);
        band->Size().ReadValues({489.5L, 904.875L});
        report.EndLoad();
    }

    // A label as stored: pixel bounds and (H, L, Record, W) values, 14 points.
    TQRLabel* AddLabel(const char* captionUtf8, std::vector<long double> values, int left, int top,
                       int width, int height, const char* faceUtf8 = "ＭＳ Ｐ明朝") {
        auto* label = report.Own(std::make_unique<TQRLabel>());
        label->BeginLoading();
        label->SetParent(band);
        label->SetBounds(left, top, width, height);
        label->Size().ReadValues(values);
        label->SetAutoSize(false);
        platform::TFontSpec font;
        font.Name = cp932::FromUtf8(faceUtf8);
        font.Height = -19;
        font.Charset = platform::kShiftJisCharset;
        label->SetFont(font);
        label->SetFontSize(14);
        label->SetCaption(cp932::FromUtf8(captionUtf8));
        label->Loaded();
        return label;
    }
    // Prints the band once in a run of its own onto `surface`.
    void PrintBandOnce(TRecordingSurface& surface) {
        report.StartRun(surface);
        report.OutputBand(band);
        report.EndRun();
    }
    TQRLabel* AddNameLabel(const char* captionUtf8) {
        TQRLabel* label =
            AddLabel(captionUtf8, {58.2083L, 317.5L, 214.3125L, 510.6458L}, 120, 81, 193, 22);
        label->SetTransparent(true);
        return label;
    }

    TTestReport report;
    TQRBand* band = nullptr;
};

} // namespace zel::test
