// The report printer's recorded pages going out: to the preview, back to the
// printer, to and from saved-report files; and what the report hears of the
// preview.

#include "framework/format.h"
#include "framework/messages.h"
#include "output/preview_interface.h"
#include "output/report_output_errors.h"
#include "output/report_printer.h"
#include "page/paper_extent.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zel {

std::unique_ptr<TMetafile> TQRPrinter::GetPage(int pageNumber) {
    if (m_Status == TQRPrinterStatus::Ready || pageNumber < 1 || pageNumber > m_PageCount)
        return nullptr;
    const std::optional<std::string> bytes = m_PageList->GetPage(pageNumber);
    if (!bytes)
        return nullptr;
    return std::make_unique<TMetafile>(DecodePage(*bytes, m_LoadedFileName));
}

TMetafile TQRPrinter::DecodePage(const std::string& bytes, const std::string& fileName) {
    try {
        return TMetafile::LoadFromBytes(bytes);
    } catch (const EInvalidGraphic&) {
        // A page of a saved report: the operator is told which file.
        if (fileName.empty())
            throw;
        throw EInvalidGraphic(Fmt(msg::kInvalidMetafileIn, {fileName}));
    }
}

void TQRPrinter::Preview() {
    if (OnPreview) {
        OnPreview(*this);
        return;
    }
    const std::unique_ptr<TQRPreviewInterface> preview = CreateQRPreviewInterface();
    m_PreviewForm = preview->Show(*this);
}

void TQRPrinter::Print() {
    if (m_Master && !m_LoadedFromFile) {
        platform::PostCall(*m_Master, [&master = *m_Master] { master.PrintRequested(); });
        return;
    }
    if (m_Status != TQRPrinterStatus::Finished || m_PlayingBack)
        return;
    m_PlayingBack = true;
    try {
        PlayBackPages();
    } catch (...) {
        EndPlayback();
        throw;
    }
    EndPlayback();
}

// The master may free this printer when it hears of the closed preview, so
// this is the last that touches it.
void TQRPrinter::EndPlayback() {
    m_PlayingBack = false;
    if (std::exchange(m_ClosedWhilePlayingBack, false) && m_Master)
        m_Master->PreviewClosed(*this);
}

void TQRPrinter::PlayBackPages() {
    if (!m_PrinterOK)
        RaiseNoPrinter();
    // A bound of 0 is no bound; pages the store does not hold print nothing,
    // and a range without a page starts no job.
    const int first = std::max(m_FirstPage, 1);
    const int last = m_LastPage > 0 ? std::min(m_LastPage, m_PageCount) : m_PageCount;
    if (first > last)
        return;
    // A cancel of an earlier playback must not stop this one.
    m_Cancelled = false;
    m_DevicePrinter->SetTitle(m_Title);
    if (m_DevicePrinter->Printing())
        m_DevicePrinter->Abort();
    m_PrinterSettings->ApplySettings();
    if (!OperatorTakesPaperInForce())
        return;
    StartDeviceJob();
    // Each page is the whole paper: it goes where the paper is, beyond the
    // printable area's corner, at its own size. Scaled into the printable
    // area it would shrink every text off its place on pre-printed paper.
    const platform::TPoint corner = m_DevicePrinter->PrintingOffset();
    const platform::TRect whole{
        -corner.X, -corner.Y,
        -corner.X +
            static_cast<int>(std::lround(PaperWidth() * m_PrinterSettings->PixelsPerX() / 254.0)),
        -corner.Y +
            static_cast<int>(std::lround(PaperLength() * m_PrinterSettings->PixelsPerY() / 254.0))};
    for (int i = first; i <= last; ++i) {
        platform::ProcessPendingMessages();
        if (m_Cancelled) {
            m_DevicePrinter->Abort();
            return;
        }
        if (const std::unique_ptr<TMetafile> page = GetPage(i))
            page->Draw(*m_DevicePrinter->Canvas(), whole);
        if (i < last && !m_DevicePrinter->NewPage())
            RaisePrinterError();
        if (m_Cancelled) {
            m_DevicePrinter->Abort();
            return;
        }
    }
    if (!m_DevicePrinter->Printing())
        return;
    if (!m_DevicePrinter->EndDoc())
        RaisePrinterError();
    TellIfPaused();
}

void TQRPrinter::Load(const std::string& fileName) {
    LoadFromStream(TQRStream::CreateFromFile(fileName));
}

void TQRPrinter::LoadFromStream(std::shared_ptr<TQRStream> stream) {
    // The pages a playback is sending stay until it ends.
    if (m_PlayingBack)
        return;
    // Read first, so that a file that cannot be read leaves the pages shown.
    const std::string fileName = stream->FileName();
    auto pageList = std::make_unique<TQRPageList>(nullptr);
    pageList->LoadFromStream(std::move(stream));
    std::optional<TPageOfPaper> paper;
    if (pageList->PageCount() > 0) {
        const std::optional<std::string> first = pageList->GetPage(1);
        const TMetafile page = DecodePage(first.value_or(std::string()), fileName);
        paper = PaperOfPage(page.Width(), page.Height(), platform::ScreenPixelsPerInch() / 254.0L);
    }
    if (m_Status != TQRPrinterStatus::Ready)
        Cleanup();
    m_PageList = std::move(pageList);
    m_PageCount = m_PageList->PageCount();
    UseScreenFactors();
    if (paper) {
        // The device takes the paper when it can, for playing the pages back.
        m_PrinterSettings->SetPaperSize(paper->PaperSize);
        m_PrinterSettings->SetOrientation(paper->Orientation);
        m_FilePaper = paper;
    }
    m_Stream = m_PageList->Stream();
    m_Status = TQRPrinterStatus::Finished;
    OnPrintSetup = nullptr;
    m_LoadedFromFile = true;
    m_LoadedFileName = fileName;
}

void TQRPrinter::Save(const std::string& fileName) {
    if (m_Status == TQRPrinterStatus::Finished)
        m_PageList->SaveToFile(fileName);
}

void TQRPrinter::SetShowingPreview(bool showing) {
    if (!showing && m_ShowingPreview) {
        if (m_Status == TQRPrinterStatus::Busy)
            Cancel();
        if (AfterPreview)
            AfterPreview(*this);
    }
    m_ShowingPreview = showing;
}

void TQRPrinter::NotifyPreviewClosed() {
    // The window is going; and the master may release this printer while
    // it handles the call, so nothing is touched afterwards.
    m_PreviewForm = nullptr;
    if (m_PlayingBack) {
        m_Cancelled = true;
        m_ClosedWhilePlayingBack = true;
        return;
    }
    if (m_Master)
        m_Master->PreviewClosed(*this);
}

} // namespace zel
