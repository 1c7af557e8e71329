#pragma once
// The printer settings a report keeps for its runs and hands to the report
// printer before each one.

#include "output/bins.h"

namespace zel {

class TQRPrinterSettings {
public:
    virtual ~TQRPrinterSettings() = default;

    int Copies() const { return m_Copies; }
    void SetCopies(int copies) { m_Copies = copies; }
    // Kept for the report's settings only: the device's own duplex setting
    // is what a job prints with.
    bool Duplex() const { return m_Duplex; }
    void SetDuplex(bool duplex) { m_Duplex = duplex; }
    TQRBin OutputBin() const { return m_OutputBin; }
    void SetOutputBin(TQRBin bin) { m_OutputBin = bin; }
    // Copies as whole sets (1 2 3, 1 2 3) rather than each page n times.
    bool Collate() const { return m_Collate; }
    void SetCollate(bool collate) { m_Collate = collate; }
    // -1 is the default printer.
    int PrinterIndex() const { return m_PrinterIndex; }
    void SetPrinterIndex(int index) { m_PrinterIndex = index; }
    // Page range of a printed run; 0 is no bound.
    int FirstPage() const { return m_FirstPage; }
    void SetFirstPage(int page) { m_FirstPage = page; }
    int LastPage() const { return m_LastPage; }
    void SetLastPage(int page) { m_LastPage = page; }

    bool operator==(const TQRPrinterSettings&) const = default;

private:
    int m_Copies = 1;
    bool m_Duplex = false;
    TQRBin m_OutputBin = TQRBin::Auto;
    bool m_Collate = false;
    int m_PrinterIndex = -1;
    int m_FirstPage = 0;
    int m_LastPage = 0;
};

// The report's own settings object; every property but PrinterIndex is
// part of the report's stored form.
class TPagettaRepPrinterSettings : public TQRPrinterSettings {};

} // namespace zel
