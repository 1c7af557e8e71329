#include "output/report_printer.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "output/report_output_errors.h"
#include "output/report_window_classes.h"
#include "page/paper_extent.h"
#include "page/units.h"
#include "platform/screen.h"

namespace zel {

TQRPrinter::TQRPrinter()
    : m_DevicePrinter(std::make_unique<platform::TPrinter>()),
      m_PrinterSettings(std::make_unique<TPrinterSettings>()),
      m_PageList(std::make_unique<TQRPageList>()) {
    m_PrinterOK = !platform::PrinterNames().empty();
    if (m_PrinterOK)
        m_PrinterSettings->SetPrinter(m_DevicePrinter.get());
    m_TopOffset = m_PrinterSettings->TopOffset();
    m_LeftOffset = m_PrinterSettings->LeftOffset();
}

TQRPrinter::~TQRPrinter() {
    if (m_Status != TQRPrinterStatus::Ready)
        Cleanup();
    ReleaseRecordedPage();
}

void TQRPrinter::BeginDoc() {
    // Refused before anything changes: a run still going keeps its open
    // page, its flags, its offsets and the device's settings.
    if (m_Status != TQRPrinterStatus::Ready)
        throw EQRError(Fmt(msg::kQRPrinterNotReady, {}));
    ReleaseRecordedPage();
    m_AvailablePages = 0;
    m_Cancelled = false;
    const bool printer = m_Destination == TQRPrinterDestination::Printer;
    if (printer)
        m_PrinterSettings->ApplySettings();
    m_TopOffset = printer ? m_PrinterSettings->TopOffset() : 0;
    m_LeftOffset = printer ? m_PrinterSettings->LeftOffset() : 0;
    m_PageNumber = 0;
    m_PageCount = 0;
    m_Status = TQRPrinterStatus::Busy;
    // Declining runs the report as a cancelled print: no job starts.
    if (printer && !OperatorTakesPaperInForce())
        m_Cancelled = true;
    if (printer) {
        UseDeviceFactors();
    } else {
        m_Stream = std::make_shared<TQRStream>(TQRStream::kDefaultMemoryThreshold);
        m_PageList->SetStream(m_Stream);
        UseScreenFactors();
    }
}

void TQRPrinter::NewPage() {
    if (m_Status != TQRPrinterStatus::Busy)
        throw EQRError(Fmt(msg::kQRBadNewPage, {}));
    if (m_PageNumber > 0) {
        if (m_Destination == TQRPrinterDestination::Metafile) {
            StoreRecordedPage();
        } else if (!ShouldPrintPage()) {
            ReleaseRecordedPage();
        } else if (m_DevicePrinter->Printing() && m_PageCount != m_LastPage) {
            // The next device page starts here, while the page just drawn
            // is known to be inside the range.
            m_Canvas = nullptr;
            if (!m_DevicePrinter->NewPage())
                RaisePrinterError();
        }
        AnnouncePage();
    }
    ++m_PageCount;
    ++m_PageNumber;
    if (m_Destination == TQRPrinterDestination::Printer && ShouldPrintPage() && !m_Cancelled)
        StartDevicePage();
    else
        StartRecordedPage();
}

void TQRPrinter::EndDoc() {
    if (m_Status != TQRPrinterStatus::Busy)
        return;
    bool sent = true;
    bool handed = false;
    if (m_Destination == TQRPrinterDestination::Printer) {
        ReleaseRecordedPage();
        m_Canvas = nullptr;
        if (m_DevicePrinter->Printing()) {
            sent = m_DevicePrinter->EndDoc();
            handed = sent;
        }
    } else if (m_PageCount > 0) {
        StoreRecordedPage();
    }
    // Announced even for a run without pages: the client learns from it
    // that the run has ended.
    AnnouncePage();
    m_Status = TQRPrinterStatus::Finished;
    if (m_Destination == TQRPrinterDestination::Metafile) {
        m_PageList->Finish();
    } else {
        if (!sent)
            RaisePrinterError();
        if (handed)
            TellIfPaused();
        if (AfterPrint)
            AfterPrint(*this);
    }
}

void TQRPrinter::Abort() {
    // A run whose pages were replaced by a loaded file has nothing left to
    // abort, and the loaded file must not get its last page.
    if (m_Status != TQRPrinterStatus::Busy) {
        ReleaseRecordedPage();
        return;
    }
    if (m_Destination == TQRPrinterDestination::Printer) {
        ReleaseRecordedPage();
        m_Canvas = nullptr;
        m_DevicePrinter->Abort();
    } else {
        if (m_CurrentPage)
            StoreRecordedPage();
        // The pages kept can be saved: the file's header must count them.
        m_PageList->Finish();
    }
    m_Status = TQRPrinterStatus::Finished;
}

void TQRPrinter::Cleanup() {
    if (m_Status == TQRPrinterStatus::Busy)
        Cancel();
    m_Stream.reset();
    m_PageList->SetStream(nullptr);
    m_PageList->Clear();
    m_Status = TQRPrinterStatus::Ready;
}

int TQRPrinter::XPos(long double value) const {
    return static_cast<int>(RoundHalfEven((value - m_LeftOffset) * m_XFactor));
}

int TQRPrinter::YPos(long double value) const {
    return static_cast<int>(RoundHalfEven((value - m_TopOffset) * m_YFactor));
}

int TQRPrinter::XSize(long double value) const {
    return static_cast<int>(RoundHalfEven(value * m_XFactor));
}

int TQRPrinter::YSize(long double value) const {
    return static_cast<int>(RoundHalfEven(value * m_YFactor));
}

int TQRPrinter::PaperWidth() const {
    return PaperExtent(PaperSize(), Orientation(), m_PrinterSettings->PaperWidth(),
                       m_PrinterSettings->PaperLength())
        .Width;
}

int TQRPrinter::PaperLength() const {
    return PaperExtent(PaperSize(), Orientation(), m_PrinterSettings->PaperWidth(),
                       m_PrinterSettings->PaperLength())
        .Length;
}

TQRPaperSize TQRPrinter::PaperSize() const {
    return m_FilePaper ? m_FilePaper->PaperSize : m_PrinterSettings->PaperSize();
}

void TQRPrinter::SetPaperSize(TQRPaperSize size) {
    m_FilePaper.reset();
    m_PrinterSettings->SetPaperSize(size);
}

void TQRPrinter::SetPaperWidth(int width) {
    m_FilePaper.reset();
    m_PrinterSettings->SetPaperWidth(width);
}

void TQRPrinter::SetPaperLength(int length) {
    m_FilePaper.reset();
    m_PrinterSettings->SetPaperLength(length);
}

TPrinterOrientation TQRPrinter::Orientation() const {
    return m_FilePaper ? m_FilePaper->Orientation : m_PrinterSettings->Orientation();
}

void TQRPrinter::SetOrientation(TPrinterOrientation orientation) {
    m_FilePaper.reset();
    m_PrinterSettings->SetOrientation(orientation);
}

bool TQRPrinter::ShouldPrintPage() const {
    return !((m_FirstPage > 0 && m_FirstPage > m_PageCount) ||
             (m_LastPage > 0 && m_LastPage < m_PageCount));
}

int TQRPrinter::PrinterIndex() const {
    return m_PrinterSettings->PrinterIndex();
}

void TQRPrinter::SetPrinterIndex(int index) {
    if (m_PrinterOK)
        m_PrinterSettings->SetPrinterIndex(index);
}

void TQRPrinter::SetProgress(int percent) {
    m_Progress = percent;
    if (m_Client)
        platform::PostCall(*m_Client,
                           [&client = *m_Client, percent] { client.ProgressChanged(percent); });
}

// Pages outside the range are drawn on a page that is thrown away, so the
// report draws every page the same way.
void TQRPrinter::StartRecordedPage() {
    ReleaseRecordedPage();
    m_CurrentPage = std::make_unique<TMetafile>(XSize(PaperWidth()), YSize(PaperLength()));
    m_PageCanvas = std::make_unique<TMetafileCanvas>(*m_CurrentPage);
    m_Canvas = m_PageCanvas.get();
    UseScreenFactors();
}

void TQRPrinter::StartDevicePage() {
    ReleaseRecordedPage();
    if (!m_DevicePrinter->Printing())
        StartDeviceJob();
    m_Canvas = m_DevicePrinter->Canvas();
    UseDeviceFactors();
}

void TQRPrinter::StartDeviceJob() {
    m_DevicePrinter->SetTitle(m_Title);
    if (!m_DevicePrinter->BeginDoc())
        RaisePrinterError();
}

void TQRPrinter::StoreRecordedPage() {
    if (!m_CurrentPage)
        return;
    // The metafile holds the drawing once its canvas is gone.
    m_Canvas = nullptr;
    m_PageCanvas.reset();
    const std::unique_ptr<TMetafile> page = std::move(m_CurrentPage);
    m_PageList->AddPage(page->SaveToBytes());
}

void TQRPrinter::ReleaseRecordedPage() {
    if (m_Canvas == m_PageCanvas.get())
        m_Canvas = nullptr;
    m_PageCanvas.reset();
    m_CurrentPage.reset();
}

void TQRPrinter::AnnouncePage() {
    ++m_AvailablePages;
    if (m_Client)
        platform::PostCall(*m_Client, [&client = *m_Client, pages = m_AvailablePages] {
            client.PageAvailable(pages);
        });
}

void TQRPrinter::UseScreenFactors() {
    m_YFactor = platform::ScreenPixelsPerInch() / 254.0L;
    m_XFactor = m_YFactor;
}

// The resolution the settings read from the device when it was selected.
void TQRPrinter::UseDeviceFactors() {
    m_XFactor = m_PrinterSettings->PixelsPerX() / 254.0L;
    m_YFactor = m_PrinterSettings->PixelsPerY() / 254.0L;
}

bool TQRPrinter::OperatorTakesPaperInForce() const {
    const std::optional<TQRPaperSize> refused = m_PrinterSettings->RefusedPaper();
    if (!refused)
        return true;
    return AskQRGoOn(Fmt(msg::kPaperMissing, {m_PrinterSettings->Device(), PaperSizeName(*refused),
                                              PaperSizeName(m_PrinterSettings->PaperSize())}));
}

void TQRPrinter::TellIfPaused() const {
    if (m_DevicePrinter->Paused())
        ShowQRNotice(Fmt(msg::kPrinterPaused, {m_DevicePrinter->DeviceName()}));
}

void RaiseNoPrinter() {
    throw EPrinter(Fmt(msg::kNoPrinterInstalled, {}));
}

void TQRPrinter::RaisePrinterError() const {
    throw EPrinter(Fmt(msg::kPrintJobFailed, {m_DevicePrinter->DeviceName()}));
}

} // namespace zel
