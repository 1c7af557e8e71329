#pragma once
// Shared pieces of the band and label tests: text measured with fixed widths (so line breaks are
// known exactly), a surface that records what is drawn with the report printer's conversions, and
// the ticket report (the program's own generating report) with its detail band and labels.

#include "platform/cp932.h"
#include "platform/recording_canvas.h"
#include "report/controls/label.h"
#include "report/run/pagetta_rep.h"
#include "tests/output/report_printer_test_support.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace zel::test {

// Every byte is half the font's pixel height wide (a double-byte character
// a full height); a line is the font's height high.
class TFixedMeasureCanvas : public platform::TRecordingCanvas {
public:
    explicit TFixedMeasureCanvas(int pixelsPerInch = 96, int width = 0, int height = 0)
        : TRecordingCanvas(width, height, pixelsPerInch) {}
    platform::TSize TextExtent(std::string_view text) override {
        const int height = std::abs(Font().Height);
        return {static_cast<int>(text.size()) * height / 2, height};
    }
};

template <class Record> std::vector<Record> All(const std::vector<platform::TPageRecord>& records) {
    std::vector<Record> found;
    for (const auto& record : records)
        if (const Record* r = std::get_if<Record>(&record))
            found.push_back(*r);
    return found;
}

inline std::vector<platform::TRect> Fills(const std::vector<platform::TPageRecord>& records) {
    std::vector<platform::TRect> rects;
    for (const auto& fill : All<platform::TFillRectRecord>(records))
        rects.push_back(fill.Rect);
    return rects;
}

// A recorded B5 page with the report printer's conversions for a surface of
// `pixelsPerInch`, positions from the paper's corner.
class TRecordingSurface : public TQRPrintSurface {
public:
    explicit TRecordingSurface(int pixelsPerInch = 96)
        : m_Canvas(pixelsPerInch, 688, 971), m_Factor(pixelsPerInch / 254.0L) {}

    platform::TCanvas* Canvas() const override { return &m_Canvas; }
    int XPos(long double v) const override { return static_cast<int>(RoundHalfEven(v * m_Factor)); }
    int YPos(long double v) const override { return static_cast<int>(RoundHalfEven(v * m_Factor)); }
    int XSize(long double v) const override { return XPos(v); }
    int YSize(long double v) const override { return YPos(v); }
    long double XFactor() const override { return m_Factor; }
    long double YFactor() const override { return m_Factor; }

    const std::vector<platform::TPageRecord>& Records() const { return m_Canvas.Page().Records(); }
    template <class Record> std::vector<Record> All() const { return test::All<Record>(Records()); }
    std::vector<platform::TRect> Fills() const { return test::Fills(Records()); }

private:
    mutable TFixedMeasureCanvas m_Canvas;
    long double m_Factor;
};

// The generating report, measuring text at fixed widths.
class TTestReport : public TPagettaRep {
public:
    TTestReport() { SetMeasureCanvas(std::make_unique<TFixedMeasureCanvas>()); }
};

// A printable's Size values as stored, tenths of a millimetre.
struct TStoredSize {
    long double Height = 0, Left = 0, Top = 0, Width = 0;
};

// The ticket report's page: B5, two columns 1 mm apart, 10 mm bottom
// margin, lengths in millimetres.
inline void SetTicketPage(TPagettaRep& report) {
    report.Page().SetUnits(TQRUnit::MM);
    report.SetUnits(TQRUnit::MM);
    report.Page().SetPaperSize(TQRPaperSize::B5);
    report.Page().SetColumns(2);
    report.Page().ReadValues({100, 2570, 0, 1820, 0, 0, 10});
}

// The ticket report with its detail band as stored: 489.5 high.
struct TTicketReport {
    TTicketReport() {
        SetTicketPage(report);
        report.ArrangeBands();
        report.BeginLoad();
        band = report.Own(std::make_unique<TQRBand>(rbDetail));
        band->BeginLoading();
        band->SetParent(&report);
        band->SetBounds(0, 0, 342, 185);
        band->Size().ReadValues({489.5L, 904.875L});
        report.EndLoad();
    }

    // A label on the band as loaded, not auto-sized, 14 points.
    TQRLabel* AddLabel(const char* captionUtf8, TStoredSize size,
                       const char* faceUtf8 = "ＭＳ Ｐ明朝") {
        auto* label = report.Own(std::make_unique<TQRLabel>());
        label->BeginLoading();
        label->SetParent(band);
        label->Size().ReadValues({size.Height, size.Left, size.Top, size.Width});
        label->SetAutoSize(false);
        label->SetFont({.Name = cp932::FromUtf8(faceUtf8),
                        .Height = -19,
                        .Charset = platform::kShiftJisCharset});
        label->SetFontSize(14);
        label->SetCaption(cp932::FromUtf8(captionUtf8));
        label->Loaded();
        return label;
    }
    // The ticket's name label: 193 x 22 pixels at (120, 81), transparent.
    TQRLabel* AddNameLabel(const char* captionUtf8) {
        TQRLabel* label =
            AddLabel(captionUtf8,
                     {.Height = 58.2083L, .Left = 317.5L, .Top = 214.3125L, .Width = 510.6458L});
        label->SetTransparent(true);
        return label;
    }

    // Prints `printable` alone at the band offset (x, y) onto `surface`.
    void PrintAlone(TQRPrintable& printable, TRecordingSurface& surface, long double x = 0,
                    long double y = 0) {
        report.SetQRPrinter(&surface);
        printable.Prepare();
        printable.Print(x, y);
        printable.Unprepare();
        report.SetQRPrinter(nullptr);
    }

    // Runs the report, one record per caption, each shown by `label`. The
    // run places the bands by its own rules; they draw onto `surface`,
    // whose text is measured at fixed widths. No preview window opens.
    void Run(TRecordingSurface& surface, TQRLabel* label = nullptr,
             std::vector<std::string> captions = {""}) {
        m_Captions = std::move(captions);
        std::size_t next = 0;
        report.OnPreview = [this](TQRPrinter& printer) {
            printer.PrinterSettings().SetDevice(&device);
        };
        report.BeforePrint = [&surface](TCustomPagettaRep& sender, bool&) {
            sender.SetQRPrinter(&surface);
        };
        report.OnNeedData = [&](TQRComponent&, bool& moreData) {
            moreData = next < m_Captions.size();
            if (moreData && label)
                label->SetCaption(m_Captions[next]);
            next += moreData ? 1 : 0;
        };
        report.Preview();
        report.OnNeedData = nullptr;
        report.SetQRPrinter(nullptr);
    }

    // Declared first, so that it outlives the report whose printers use it.
    TAcceptingDevice device;
    TTestReport report;
    TQRBand* band = nullptr;

private:
    std::vector<std::string> m_Captions;
};

} // namespace zel::test
