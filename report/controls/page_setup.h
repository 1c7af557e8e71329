#pragma once
// A report's page setup: paper, margins and columns in the report's unit,
// held natively in tenths of a millimetre. The report's design surface
// follows the paper in pixels.

#include "page/paper_table.h"
#include "report/controls/unit_holders.h"

namespace zel {

class TQRPage : public TQRUnitBase {
public:
    enum TValueIndex {
        kBottomMargin = 0,
        kLength = 1,
        kTopMargin = 2,
        kWidth = 3,
        kLeftMargin = 4,
        kRightMargin = 5,
        kColumnSpace = 6,
    };

    // The defaults are laid down before `report` is attached, so a report
    // still being built is not called back; it asks with Refresh() when ready.
    explicit TQRPage(TQRUnitsReport* report = nullptr,
                     int resolution = platform::kScreenPixelsPerInch);

    TQRUnitsReport* Report() const { return m_Report; }
    void SetReport(TQRUnitsReport* report);

    long double BottomMargin() const { return GetValue(kBottomMargin); }
    void SetBottomMargin(long double v) { SetValue(kBottomMargin, v); }
    long double Length() const { return GetValue(kLength); }
    void SetLength(long double v) { SetValue(kLength, v); }
    long double TopMargin() const { return GetValue(kTopMargin); }
    void SetTopMargin(long double v) { SetValue(kTopMargin, v); }
    long double Width() const { return GetValue(kWidth); }
    void SetWidth(long double v) { SetValue(kWidth, v); }
    long double LeftMargin() const { return GetValue(kLeftMargin); }
    void SetLeftMargin(long double v) { SetValue(kLeftMargin, v); }
    long double RightMargin() const { return GetValue(kRightMargin); }
    void SetRightMargin(long double v) { SetValue(kRightMargin, v); }
    long double ColumnSpace() const { return GetValue(kColumnSpace); }
    void SetColumnSpace(long double v) { SetValue(kColumnSpace, v); }

    int Columns() const { return m_Columns; }
    // Values below 1 are ignored.
    void SetColumns(int columns);
    TPrinterOrientation Orientation() const { return m_Orientation; }
    // Swaps width and length of a named paper size.
    void SetOrientation(TPrinterOrientation orientation);
    TQRPaperSize PaperSize() const { return m_PaperSize; }
    // A named size sets Width and Length from the paper table; Default and
    // Custom leave them as they are.
    void SetPaperSize(TQRPaperSize size);
    bool Ruler() const { return m_Ruler; }
    void SetRuler(bool ruler);

    // Width and Length take writes only while the paper size is Custom.
    void SetValue(int index, long double value) override;
    void UpdateOwner() override;

private:
    TQRUnitsReport* m_Report = nullptr;
    int m_Columns = 1;
    TPrinterOrientation m_Orientation = TPrinterOrientation::poPortrait;
    TQRPaperSize m_PaperSize = TQRPaperSize::Default;
    bool m_Ruler = true;
};

} // namespace zel
