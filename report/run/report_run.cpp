// The generation run: preparing the report for its printer, the controller
// walking the records, and the layout operations that place bands down
// the columns of a page and across pages.

#include "report/controls/band.h"
#include "report/controls/printable.h"
#include "report/run/pagetta_rep.h"

namespace zel {
namespace {

int Round(long double value) {
    return static_cast<int>(RoundHalfEven(value));
}

} // namespace

void TPagettaRep::CheckMargins() {
    TQRPage& page = Page();
    if (page.Width() - page.LeftMargin() - page.RightMargin() < 0) {
        page.SetLeftMargin(0);
        page.SetRightMargin(0);
    }
    if (page.Length() - page.TopMargin() - page.BottomMargin() < 0) {
        page.SetTopMargin(0);
        page.SetBottomMargin(0);
    }
}

void TPagettaRep::GenerateReport() {
    if (!Idle())
        return;
    CheckMargins();
    SetIdle(false);
    m_Cancelled = false;
    m_FinalPage = false;
    m_HeaderJustPrinted = false;
    m_ColumnRequestSeen = false;
    m_PendingUpdate = nullptr;
    try {
        bool printReport = true;
        if (BeforePrint)
            BeforePrint(*this, printReport);
        if (printReport)
            RunBody();
    } catch (...) {
        // Whatever failed, the report goes back to its own units and its
        // controls let go of the printer, so the next run starts clean.
        if (m_RunPrepared)
            UnprepareRun();
        if (m_QRPrinter && m_QRPrinter->Status() == TQRPrinterStatus::Busy)
            m_QRPrinter->Abort();
        SetIdle(true);
        throw;
    }
    SetIdle(true);
}

void TPagettaRep::HandToPrinter() {
    TQRPrinter& printer = *m_QRPrinter;
    printer.SetPrinterIndex(m_PrinterSettings.PrinterIndex());
    printer.SetPaperSize(Page().PaperSize());
    if (Page().PaperSize() == TQRPaperSize::Custom) {
        printer.SetPaperWidth(Round(Page().Width()));
        printer.SetPaperLength(Round(Page().Length()));
    }
    printer.SetOrientation(Page().Orientation());
    printer.SetCopies(m_PrinterSettings.Copies());
    printer.SetOutputBin(m_PrinterSettings.OutputBin());
    printer.SetCollate(m_PrinterSettings.Collate());
    printer.SetDuplex(m_PrinterSettings.Duplex());
    printer.SetFirstPage(m_PrinterSettings.FirstPage());
    printer.SetLastPage(m_PrinterSettings.LastPage());
    printer.SetTitle(m_ReportTitle);
    printer.SetCompression(m_Options.Contains(TQRReportOption::Compression));
}

long double TPagettaRep::ComputeFooterSpace() const {
    long double space = 0;
    for (TQRCustomBand* band : Bands()) {
        if (band->BandType() != rbPageFooter || !band->Enabled())
            continue;
        space += band->Size().Height();
        // A child of a child is the child's own; the chain is free of cycles.
        for (TQRCustomBand* child = band->ChildBand(); child; child = child->ChildBand())
            space += child->Size().Height();
    }
    return space;
}

void TPagettaRep::PrepareRun() {
    for (TQRCustomBand* band : Bands())
        band->SetParentReport(this);
    for (TQRPrintable* printable : Printables())
        printable->SetParentReport(this);
    SetCurrentX(Round(Page().LeftMargin()));
    m_Controller.Prepare();
    QRGlobalEnvironment().Prepare();
    TQRDataSetList dataSets;
    if (DataSet())
        dataSets.push_back(DataSet());
    for (TQRCustomBand* band : Bands())
        if (auto* subDetail = dynamic_cast<TQRSubDetail*>(band); subDetail && subDetail->DataSet())
            dataSets.push_back(subDetail->DataSet());
    m_Functions.SetDataSets(dataSets);
    m_Functions.Prepare();
    m_ReportValues.Attach(m_Functions);
    m_ReportValues.SetReportTitle(m_ReportTitle);
    m_Controller.PrepareGroups();
    for (TQRCustomBand* band : Bands())
        for (TQRPrintable* printable : band->Printables())
            printable->Prepare();
    for (TQRPrintable* printable : Printables())
        printable->Prepare();
}

void TPagettaRep::UnprepareRun() {
    m_RunPrepared = false;
    SetUnits(m_SavedUnits);
    for (TQRCustomBand* band : Bands())
        for (TQRPrintable* printable : band->Printables())
            printable->Unprepare();
    for (TQRPrintable* printable : Printables())
        printable->Unprepare();
    m_Controller.Unprepare();
    m_ReportValues.Detach();
    m_Functions.Unprepare();
    QRGlobalEnvironment().Unprepare();
}

void TPagettaRep::RunBody() {
    if (!m_QRPrinter)
        return;
    m_SavedUnits = Units();
    SetUnits(TQRUnit::Native);
    m_RunPrepared = true;
    HandToPrinter();
    m_QRPrinter->BeginDoc();
    SetCurrentY(-1);
    SetPageNumber(0);
    m_CurrentColumn = Page().Columns();
    PrepareRun();
    m_FooterSpace = ComputeFooterSpace();
    m_Controller.SetHeader(FindBand(rbTitle));
    m_Controller.SetDetail(FindBand(rbDetail));
    m_Controller.SetFooter(FindBand(rbSummary));
    m_Controller.OnNeedData = OnNeedData;
    m_Controller.Execute();
    // The progress window cancels through the printer. A cancelled print
    // hands nothing to the spooler: half a run of pre-printed tickets is
    // waste. A cancelled preview keeps the pages it has.
    const bool discard =
        m_Cancelled ||
        (m_QRPrinter->Destination() == TQRPrinterDestination::Printer && m_QRPrinter->Cancelled());
    SetCurrentX(Round(Page().LeftMargin()));
    m_FinalPage = true;
    if (!discard)
        EndPage();
    m_FinalPage = false;
    UnprepareRun();
    if (discard)
        m_QRPrinter->Abort();
    else
        m_QRPrinter->EndDoc();
}

long double TPagettaRep::PaperLengthForLayout() const {
    // The report printer already turns its paper with the orientation.
    return m_QRPrinter ? m_QRPrinter->PaperLength() : Page().Length();
}

int TPagettaRep::SpaceLeft() const {
    if (Idle() || CurrentY() == -1)
        return 0;
    return Round(PaperLengthForLayout() - Page().BottomMargin() - m_FooterSpace - CurrentY());
}

void TPagettaRep::NewColumn() {
    const TQRPage& page = Page();
    if (m_CurrentColumn >= page.Columns()) {
        m_CurrentColumn = 1;
        SetCurrentX(Round(page.LeftMargin()));
        NewPage();
    } else {
        long long columnWidth = 0;
        if (const TQRCustomBand* detail = FindBand(rbDetail)) {
            columnWidth = RoundHalfEven(detail->Size().Width());
        } else {
            const long long columns = page.Columns();
            columnWidth = (RoundHalfEven(page.Width() - (page.LeftMargin() + page.RightMargin())) -
                           RoundHalfEven(page.ColumnSpace()) * (columns - 1)) /
                          columns;
        }
        SetCurrentX(static_cast<int>(CurrentX() + columnWidth + RoundHalfEven(page.ColumnSpace())));
        SetCurrentY(m_ColumnTop);
        ++m_CurrentColumn;
    }
    m_ReportValues.SetColumnNumber(m_CurrentColumn);
    if (m_CurrentColumn != 1 || PageNumber() != 1) {
        OutputBand(FindBand(rbColumnHeader));
        m_Controller.ReprintGroups();
    }
}

void TPagettaRep::NewPage() {
    EndPage();
    SetPageNumber(PageNumber() + 1);
    m_ReportValues.SetPageNumber(PageNumber());
    m_QRPrinter->NewPage();
    SetCurrentY(Round(Page().TopMargin()));
    if (OnStartPage)
        OnStartPage(*this);
    if (PageNumber() > 1 || m_Options.Contains(TQRReportOption::FirstPageHeader))
        OutputBand(FindBand(rbPageHeader));
    m_ColumnTop = CurrentY();
    if (PageNumber() == 1)
        if (const TQRCustomBand* title = FindBand(rbTitle))
            m_ColumnTop += Round(title->Size().Height());
}

void TPagettaRep::EndPage() {
    if (PageNumber() <= 0)
        return;
    const TQRPage& page = Page();
    SetCurrentY(Round(page.Length() - page.BottomMargin() - m_FooterSpace));
    SetCurrentX(Round(page.LeftMargin()));
    if (!m_FinalPage || m_Options.Contains(TQRReportOption::LastPageFooter))
        OutputBand(FindBand(rbPageFooter));
    for (TQRPrintable* printable : Printables())
        printable->Print(0, 0);
    if (Frame().AnyFrame() && m_QRPrinter && m_QRPrinter->Canvas())
        Frame().PaintIt(*m_QRPrinter->Canvas(),
                        {m_QRPrinter->XPos(page.LeftMargin()), m_QRPrinter->YPos(page.TopMargin()),
                         m_QRPrinter->XPos(page.Width() - page.RightMargin()),
                         m_QRPrinter->YPos(page.Length() - page.BottomMargin())},
                        m_QRPrinter->XFactor(), m_QRPrinter->YFactor());
    if (OnEndPage)
        OnEndPage(*this);
}

void TPagettaRep::EnsureSpace(TQRCustomBand& band) {
    const long long needed = RoundHalfEven(band.RequiredHeight(true));
    const TQRPage& page = Page();
    if (band.BandType() != rbPageFooter && needed > SpaceLeft() &&
        needed <= page.Length() - page.TopMargin() - page.BottomMargin()) {
        NewColumn();
        PlacementDone();
        return;
    }
    if (PageNumber() == 0)
        NewColumn();
    PlacementDone();
}

void TPagettaRep::BreakToNewPage() {
    if (!Idle()) {
        if (m_HeaderJustPrinted) {
            m_HeaderJustPrinted = false;
        } else {
            do
                NewColumn();
            while (m_CurrentColumn != 1);
        }
    }
    PlacementDone();
}

void TPagettaRep::BreakToNewColumn() {
    if (!Idle()) {
        if (!m_ColumnRequestSeen && m_CurrentColumn <= 1)
            m_ColumnRequestSeen = true;
        else
            NewColumn();
    }
    PlacementDone();
}

void TPagettaRep::PlacementDone() {
    if (TQRController* controller = m_PendingUpdate) {
        m_PendingUpdate = nullptr;
        controller->UpdateExpressions();
    }
}

void TPagettaRep::OutputBand(TQRCustomBand* band) {
    if (!band)
        return;
    if (band->AlignToBottom()) {
        const int y = Round(PaperLengthForLayout() - Page().BottomMargin() - band->Size().Height() -
                            m_FooterSpace);
        if (y > CurrentY())
            SetCurrentY(y);
    }
    TQRController* outer = m_PendingUpdate;
    m_PendingUpdate = band->Enabled() ? band->Controller() : nullptr;
    band->Print();
    m_PendingUpdate = outer;
    // A disabled band still counts its record.
    if (!band->Enabled() && band->Controller())
        band->Controller()->UpdateExpressions();
}

} // namespace zel
