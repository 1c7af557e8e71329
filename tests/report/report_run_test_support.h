#pragma once
// A generating report for the run's tests: the ticket page (B5, two columns), a detail band with a
// label that shows the record number, and a record source of N records. Its previews open no
// window: OnPreview gives the report printer a device that takes B5, and the pages stay readable.

#include "output/report_printer.h"
#include "report/expressions/navigable_data_set.h"
#include "report/run/expr_label.h"
#include "report/run/pagetta_rep.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/report/band_test_support.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace zel::test {

// Device pixels of the preview's pages for tenths of a millimetre.
inline int ScreenPixels(long double tenths) {
    return static_cast<int>(RoundHalfEven(tenths * 96 / 254));
}

// Sets a band's height in tenths of a millimetre, as stored, and leaves
// its lengths in millimetres like the report's.
inline void SetStoredHeight(TQRCustomBand* band, long double height) {
    band->Size().SetUnits(TQRUnit::Native);
    band->Size().SetHeight(height);
    band->Size().SetUnits(TQRUnit::MM);
}

// Records of a string field KIND and an integer field N. At the end the
// fields keep showing the last record, as an open table's do.
class TKindDataSet : public TQRNavigableDataSet {
public:
    struct TRow {
        std::string kind;
        int n;
    };
    explicit TKindDataSet(std::vector<TRow> rows) : m_Rows(std::move(rows)) {}

    std::string Name() const override { return "ROWS"; }
    int FieldCount() const override { return 2; }
    TQRField* Fields(int index) const override {
        return index == 0 ? static_cast<TQRField*>(&m_Kind) : &m_N;
    }
    bool Active() const override { return true; }
    void First() override { m_Record = 0; }
    void Next() override { ++m_Record; }
    void Prior() override { --m_Record; }
    bool Eof() const override { return m_Record >= static_cast<int>(m_Rows.size()); }
    int RecordCount() const override { return static_cast<int>(m_Rows.size()); }

    const TRow& Current() const {
        static const TRow none{};
        return m_Rows.empty()
                   ? none
                   : m_Rows[std::clamp(m_Record, 0, static_cast<int>(m_Rows.size()) - 1)];
    }
    std::string Describe() const { return Current().kind + std::to_string(Current().n); }

private:
    // KIND, a string, or N, an integer, of the current record.
    struct TRowField : TQRField {
        const TKindDataSet* set;
        bool kind;
        TRowField(const TKindDataSet* s, bool k) : set(s), kind(k) {}
        std::string FieldName() const override { return kind ? "KIND" : "N"; }
        TQRFieldType DataType() const override {
            return kind ? TQRFieldType::ftString : TQRFieldType::ftInteger;
        }
        std::string AsString() const override { return set->Current().kind; }
        std::int32_t AsInteger() const override { return set->Current().n; }
    };

    std::vector<TRow> m_Rows;
    int m_Record = 0;
    mutable TRowField m_Kind{this, true};
    mutable TRowField m_N{this, false};
};

struct TRunReport {
    explicit TRunReport(int records = 0) : records(records) {
        report.SetMeasureCanvas(std::make_unique<TFixedMeasureCanvas>());
        SetTicketPage(report);
        detail = AddBand(rbDetail, 489.5L);
        label = AddLabel(detail);
        report.OnPreview = [this](TQRPrinter& printer) {
            printer.PrinterSettings().SetDevice(&device);
        };
        report.OnNeedData = [this](TQRComponent&, bool& moreData) {
            ++asked;
            moreData = given < this->records;
            if (moreData) {
                ++given;
                label->SetCaption(std::to_string(given));
            }
            if (onRecord)
                onRecord(given);
        };
        detail->AfterPrint = [this](TQRCustomBand& band, bool printed) { Log(band, printed); };
    }

    // A band of the report, `height` tenths of a millimetre as stored.
    TQRCustomBand* AddBand(TQRBandType type, long double height) {
        return Place(report.Own(std::make_unique<TQRBand>(type)), height);
    }
    template <typename Band> Band* Place(Band* band, long double height) {
        band->SetParent(&report);
        band->SetBounds(0, 0, 342, ScreenPixels(height));
        SetStoredHeight(band, height);
        if (band->BandType() != rbDetail)
            band->AfterPrint = [this](TQRCustomBand& b, bool printed) { Log(b, printed); };
        return band;
    }
    TQRLabel* AddLabel(TQRCustomBand* band) {
        auto* added = report.Own(std::make_unique<TQRLabel>());
        added->SetParent(band);
        added->Size().ReadValues({58.2083L, 317.5L, 214.3125L, 510.6458L});
        added->Size().Refresh();
        added->SetAutoSize(false);
        added->SetTransparent(true);
        added->SetFont({.Name = "Fixed", .Height = -19});
        return added;
    }
    // An expression label of 80 by 6 mm at the band's corner.
    TQRExpr* AddExpr(TQRCustomBand* band) {
        auto* added = report.Own(std::make_unique<TQRExpr>());
        added->SetParent(band);
        added->SetAutoSize(false);
        added->SetTransparent(true);
        added->Size().SetUnits(TQRUnit::Native);
        added->Size().SetWidth(800);
        added->Size().SetHeight(60);
        return added;
    }

    void Log(TQRCustomBand& band, bool printed) {
        printedBands.push_back({band.BandType(), printed, report.PageNumber(),
                                report.CurrentColumn(), band.BandRect()});
    }

    struct TPrinted {
        TQRBandType Type;
        bool Printed;
        int Page, Column;
        platform::TRect Rect;
    };
    std::vector<TPrinted> OfType(TQRBandType type) const {
        std::vector<TPrinted> found;
        std::copy_if(printedBands.begin(), printedBands.end(), std::back_inserter(found),
                     [&](const TPrinted& p) { return p.Type == type; });
        return found;
    }
    // Where the bands of a type printed, in order.
    struct TPlace {
        int Page, Column, Top;
        bool operator==(const TPlace&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const TPlace& p) {
            return out << "page " << p.Page << " column " << p.Column << " top " << p.Top;
        }
    };
    std::vector<TPlace> Places(TQRBandType type) const {
        std::vector<TPlace> places;
        for (const TPrinted& p : OfType(type))
            places.push_back({p.Page, p.Column, p.Rect.Top});
        return places;
    }

    // The texts recorded on page n, in drawing order.
    std::vector<platform::TTextOutRecord> Texts(int page) const {
        return All<platform::TTextOutRecord>(report.QRPrinter()->GetPage(page)->Page().Records());
    }

    TPagettaRep report;
    TAcceptingDevice device;
    TQRCustomBand* detail = nullptr;
    TQRLabel* label = nullptr;
    int records = 0, given = 0, asked = 0;
    std::function<void(int record)> onRecord;
    std::vector<TPrinted> printedBands;
};

} // namespace zel::test
