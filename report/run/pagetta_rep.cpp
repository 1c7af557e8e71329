// The generating report's life around its runs: report printers for the
// previews and print runs, what the preview tells it through them, the
// print setup and cancelling.

#include "report/run/pagetta_rep.h"

#include "framework/messages.h"
#include "output/report_output_errors.h"
#include "output/report_window_classes.h"
#include "platform/cp932.h"

#include <algorithm>

namespace zel {

TPagettaRep::TPagettaRep() {
    m_Controller.SetHost(this);
    m_Controller.SetParentReport(this);
    TQRReportValues::AddEntries(m_Functions);
}

TPagettaRep::~TPagettaRep() {
    // Bands and labels still point at the controller and the environment.
    MarkDestroying();
    DestroyComponents();
    UsePrinter(nullptr);
}

std::unique_ptr<TQRPrinter> TPagettaRep::CreateReportPrinter() {
    auto printer = std::make_unique<TQRPrinter>();
    printer->AfterPreview = [this](TQRPrinter&) {
        WakePreviewWaits();
        if (AfterPreview)
            AfterPreview(*this);
    };
    printer->AfterPrint = [this](TQRPrinter&) {
        if (AfterPrint)
            AfterPrint(*this);
    };
    printer->SetMaster(this);
    printer->SetTitle(m_ReportTitle);
    return printer;
}

void TPagettaRep::UsePrinter(TQRPrinter* printer) {
    m_QRPrinter = printer;
    std::unique_ptr<TQRPrintSurface> surface;
    if (printer)
        surface = std::make_unique<TQRPrinterSurface<TQRPrinter>>(*printer);
    SetQRPrinter(surface.get());
    m_Surface = std::move(surface);
}

bool TPagettaRep::OwnsPreviewPrinter(const TQRPrinter* printer) const {
    return std::ranges::any_of(m_PreviewPrinters,
                               [printer](const auto& owned) { return owned.get() == printer; });
}

void TPagettaRep::ReleasePreviewPrinter(TQRPrinter* printer) {
    if (!printer || !OwnsPreviewPrinter(printer))
        return;
    if (m_QRPrinter == printer)
        UsePrinter(nullptr);
    std::erase_if(m_PreviewPrinters,
                  [printer](const auto& owned) { return owned.get() == printer; });
    WakePreviewWaits();
}

void TPagettaRep::WakePreviewWaits() {
    // Each wait looks again whether its own preview is still open.
    for (platform::TMessageLoop* wait : m_PreviewWaits)
        wait->Quit();
}

void TPagettaRep::ReleaseUnshownPreviewPrinters() {
    std::vector<TQRPrinter*> unshown;
    for (const auto& printer : m_PreviewPrinters)
        if (!printer->ShowingPreview() && !printer->PreviewForm())
            unshown.push_back(printer.get());
    for (TQRPrinter* printer : unshown)
        ReleasePreviewPrinter(printer);
}

void TPagettaRep::Preview() {
    platform::ProcessPendingMessages();
    if (!Idle())
        return;
    ReleaseUnshownPreviewPrinters();
    std::unique_ptr<TQRPrinter> created = CreateReportPrinter();
    TQRPrinter* printer = created.get();
    printer->SetDestination(TQRPrinterDestination::Metafile);
    printer->OnPrintSetup = [this](TQRPrinter& sender) { PrintSetupFor(&sender); };
    if (OnPreview)
        printer->OnPreview = OnPreview;
    m_PreviewPrinters.push_back(std::move(created));
    UsePrinter(printer);
    printer->Preview();
    GenerateReport();
    if (m_Cancelled) {
        ReleasePreviewPrinter(printer);
        return;
    }
    // Each Preview waits for its own window: another preview opened from
    // the main window meanwhile has a printer of its own. The printer is
    // looked for among ours before it is touched, since its window's
    // closing frees it. The wait sleeps until a preview closes or is let
    // go, and ends with the application.
    while (OwnsPreviewPrinter(printer) && printer->ShowingPreview()) {
        platform::TMessageLoop wait;
        m_PreviewWaits.push_back(&wait);
        const bool running = wait.Run();
        std::erase(m_PreviewWaits, &wait);
        if (!running)
            break;
    }
}

void TPagettaRep::Print() {
    TQRPrinter* remembered = m_QRPrinter;
    if (!Idle())
        return;
    std::unique_ptr<TQRPrinter> printer = CreateReportPrinter();
    if (!printer->PrinterOK())
        RaiseNoPrinter();
    printer->SetDestination(TQRPrinterDestination::Printer);
    std::unique_ptr<TQRProgressWindow> progress = CreateQRProgressWindow(*printer);
    if (progress) {
        if (m_ShowProgress)
            progress->Show();
        printer->SetClient(&progress->Client());
    }
    UsePrinter(printer.get());
    const auto restore = [&] {
        // The preview we printed from may have closed meanwhile.
        UsePrinter(OwnsPreviewPrinter(remembered) ? remembered : nullptr);
        printer.reset();
        progress.reset();
    };
    try {
        GenerateReport();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TPagettaRep::PrintSetup() {
    PrintSetupFor(m_QRPrinter);
}

void TPagettaRep::PrintSetupFor(TQRPrinter* printer) {
    // A run reads these settings as it goes (and a report may count its
    // records in Tag): they change only between runs.
    if (!Idle()) {
        ShowQRNotice(cp932::Sys(msg::kRunInProgress));
        return;
    }
    // A dialog with no printer to choose would confirm nothing.
    if (platform::PrinterNames().empty())
        RaiseNoPrinter();
    TQRPrintSetupRequest request;
    request.PrinterIndex = m_PrinterSettings.PrinterIndex();
    request.Copies = m_PrinterSettings.Copies();
    request.Collate = m_PrinterSettings.Collate();
    request.OutputBin = m_PrinterSettings.OutputBin();
    request.Orientation = Page().Orientation();
    if (printer && OwnsPreviewPrinter(printer) && printer->Status() == TQRPrinterStatus::Finished)
        request.FinishedPageCount = printer->PageCount();
    const std::optional<TQRPrintSetupAnswer> answer = ExecuteQRPrintSetup(request);
    if (!answer) {
        m_Tag = 1;
        return;
    }
    m_PrinterSettings.SetCopies(answer->Copies);
    m_PrinterSettings.SetCollate(answer->Collate);
    m_PrinterSettings.SetOutputBin(answer->OutputBin);
    m_PrinterSettings.SetPrinterIndex(answer->PrinterIndex);
    Page().SetOrientation(answer->Orientation);
    m_PrinterSettings.SetFirstPage(answer->FirstPage);
    m_PrinterSettings.SetLastPage(answer->LastPage);
    m_Tag = 0;
}

void TPagettaRep::Cancel() {
    if (Idle())
        return;
    m_Cancelled = true;
    if (m_QRPrinter)
        m_QRPrinter->Cancel();
}

void TPagettaRep::PrintRequested() {
    Print();
}

void TPagettaRep::PreviewClosed(TQRPrinter& printer) {
    // Only the run filling that very preview is stopped; another preview's
    // printer goes at once.
    if (!Idle() && &printer == m_QRPrinter)
        Cancel();
    else
        ReleasePreviewPrinter(&printer);
    WakePreviewWaits();
}

void TPagettaRep::SetHasBand(TQRBandType type, bool has) {
    TQRCustomBand* band = FindBand(type);
    if (has && !band) {
        TQRBand* created = Own(std::make_unique<TQRBand>(type));
        created->SetParent(this);
    } else if (!has && band) {
        if (!FreeOwned(band) && band->Owner())
            band->Owner()->FreeOwned(band);
    }
}

} // namespace zel
