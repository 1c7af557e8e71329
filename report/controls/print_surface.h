#pragma once
// What bands and printables need of the report printer while they print:
// the canvas of the page being drawn and the conversions from tenths of a
// millimetre to its device pixels. The report printer is wrapped into one
// with TQRPrinterSurface, so the engine's printing code never depends on
// how pages are recorded or sent to a printer.

#include "platform/canvas.h"

namespace zel {

class TQRPrintSurface {
public:
    virtual ~TQRPrintSurface() = default;
    // The page being drawn; none between pages.
    virtual platform::TCanvas* Canvas() const = 0;
    // Positions from the paper's corner and lengths, tenths of a millimetre
    // to device pixels.
    virtual int XPos(long double value) const = 0;
    virtual int YPos(long double value) const = 0;
    virtual int XSize(long double value) const = 0;
    virtual int YSize(long double value) const = 0;
    // Device pixels per tenth of a millimetre.
    virtual long double XFactor() const = 0;
    virtual long double YFactor() const = 0;
};

// Any report printer with these members (TQRPrinter has them) as a surface.
template <class Device> class TQRPrinterSurface final : public TQRPrintSurface {
public:
    explicit TQRPrinterSurface(Device& printer) : m_Printer(printer) {}
    platform::TCanvas* Canvas() const override { return m_Printer.Canvas(); }
    int XPos(long double value) const override { return m_Printer.XPos(value); }
    int YPos(long double value) const override { return m_Printer.YPos(value); }
    int XSize(long double value) const override { return m_Printer.XSize(value); }
    int YSize(long double value) const override { return m_Printer.YSize(value); }
    long double XFactor() const override { return m_Printer.XFactor(); }
    long double YFactor() const override { return m_Printer.YFactor(); }
    Device& Printer() const { return m_Printer; }

private:
    Device& m_Printer;
};

} // namespace zel
