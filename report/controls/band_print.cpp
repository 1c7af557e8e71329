// A band printing itself at the report's current position: placement
// through the run's layout operations, the background, its controls pass
// by pass, its frame, and then its child band.

#include "report/controls/band.h"
#include "report/controls/custom_report.h"
#include "report/controls/printable.h"

#include <algorithm>
#include <limits>

namespace zel {

void TQRCustomBand::Print() {
    TCustomPagettaRep* report = m_ParentReport;
    if (!report)
        return;
    bool printBand = m_Enabled;
    if (printBand && BeforePrint)
        BeforePrint(*this, printBand);
    if (printBand) {
        const bool ignoresBreaks = m_BandType == rbTitle || m_BandType == rbPageHeader ||
                                   m_BandType == rbPageFooter || m_BandType == rbOverlay;
        if (!ignoresBreaks && m_ForceNewPage && report->PageNumber() > 0)
            report->BreakToNewPage();
        else if (!ignoresBreaks && m_ForceNewColumn && report->PageNumber() > 0)
            report->BreakToNewColumn();
        else
            report->EnsureSpace(*this);
        PrintContents();
    }
    if (AfterPrint)
        AfterPrint(*this, printBand);
    if (TQRChildBand* child = ChildBand()) {
        // A page footer's children are page footers too while they print.
        if (m_BandType == rbPageFooter)
            child->m_BandType = rbPageFooter;
        report->OutputBand(child);
        child->m_BandType = rbChild;
    }
}

void TQRCustomBand::PrintContents() {
    TCustomPagettaRep& report = *m_ParentReport;
    TQRPrintSurface* printer = report.QRPrinter();
    if (!printer || !printer->Canvas())
        return;
    platform::TCanvas& canvas = *printer->Canvas();
    const long double x = report.CurrentX();
    const long double y = report.CurrentY();
    m_BandRect = {printer->XPos(x), printer->YPos(y), printer->XPos(x + NativeWidth()),
                  printer->YPos(y + NativeHeight())};
    if (Height() == 0 || !m_Enabled)
        return;
    canvas.SetBrush({m_Color, platform::TBrushStyle::Solid});
    canvas.FillRect(m_BandRect);
    m_Expanded = 0;
    for (bool firstPass = true;; firstPass = false) {
        bool allDone = true;
        for (TQRPrintable* printable : Printables()) {
            if (!printable->Enabled())
                continue;
            if (firstPass || !printable->PrintFinished())
                printable->Print(report.CurrentX(), report.CurrentY());
            allDone = allDone && printable->PrintFinished();
        }
        if (Frame().AnyFrame()) {
            // One tenth of a millimetre below the stretched band.
            const long double x = report.CurrentX();
            const long double y = report.CurrentY();
            Frame().PaintIt(canvas,
                            {printer->XPos(x), printer->YPos(y), printer->XPos(x + NativeWidth()),
                             printer->YPos(y + NativeHeight() + m_Expanded + 1)},
                            printer->XFactor(), printer->YFactor());
        }
        if (allDone)
            break;
        // Unfinished controls go on at the top of the next column.
        report.NewColumn();
        m_Expanded = 0;
    }
    // Offsets are not limited: a band far beyond the paper must not wrap
    // the position round to the top of it.
    const long double next = report.CurrentY() + RoundHalfEven(NativeHeight() + m_Expanded);
    report.SetCurrentY(static_cast<int>(std::clamp<long double>(
        next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

} // namespace zel
