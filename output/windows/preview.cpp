#include "output/windows/preview.h"

#include "output/report_printer.h"
#include "output/windows/preview_image.h"
#include "output/windows/report_window_hooks.h"
#include "page/units.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

namespace zel {
namespace {

// A letter page in millimetres stands in for the paper when no report
// printer is attached.
constexpr long double kLetterWidth = 215.9L;
constexpr long double kLetterLength = 279.4L;

int Rounded(long double value) {
    return static_cast<int>(RoundHalfEven(value));
}

int LowWord(int value) {
    return value & 0xFFFF;
}

} // namespace

TQRPreview::TQRPreview(QWidget* parent)
    : QAbstractScrollArea(parent), m_PreviewImage(new TQRPreviewImage(viewport())) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    resize(250, 250);
    m_PreviewImage->move(0, 0);
}

TQRPreview::~TQRPreview() {
    SetQRPrinter(nullptr);
}

void TQRPreview::SetQRPrinter(TQRPrinter* printer) {
    if (m_QRPrinter && m_QRPrinter->Client() == this) {
        m_QRPrinter->SetShowingPreview(false);
        m_QRPrinter->SetClient(nullptr);
    }
    m_QRPrinter = printer;
    m_PreviewImage->SetQRPrinter(printer);
    if (printer) {
        printer->SetClient(this);
        printer->SetShowingPreview(true);
    }
    m_PageNumber = 1;
    m_PreviewImage->SetPageNumber(1);
    viewport()->update();
}

void TQRPreview::SetPageNumber(int pageNumber) {
    if (pageNumber == m_PageNumber && m_PreviewImage->HasPage())
        return;
    if (!m_QRPrinter || pageNumber < 1 || pageNumber > m_QRPrinter->PageCount())
        return;
    m_PreviewImage->SetPageNumber(pageNumber);
    m_PageNumber = pageNumber;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void TQRPreview::SetZoom(int zoom) {
    if (zoom < 2 || zoom > 2000)
        return;
    m_ZoomState = TQRZoomState::Fixed;
    m_Zoom = zoom;
    UpdateZoom();
}

long double TQRPreview::PageWidth() const {
    if (m_QRPrinter)
        return m_QRPrinter->XSize(m_QRPrinter->PaperWidth());
    return kLetterWidth;
}

long double TQRPreview::PageLength() const {
    if (m_QRPrinter)
        return m_QRPrinter->YSize(m_QRPrinter->PaperLength());
    return kLetterLength;
}

void TQRPreview::ZoomToFit() {
    const int byWidth = Rounded(width() / PageWidth() * 95);
    const int byLength = Rounded(height() / PageLength() * 95);
    SetZoom(std::min(byWidth, byLength));
    m_ZoomState = TQRZoomState::FitPage;
}

void TQRPreview::ZoomToWidth() {
    // The letter page that stands in for a missing printer keeps the
    // whole-page margin of 95.
    SetZoom(Rounded(width() / PageWidth() * (m_QRPrinter ? 90 : 95)));
    UpdateZoom();
    m_ZoomState = TQRZoomState::FitWidth;
}

void TQRPreview::UpdateZoom() {
    int imageWidth = 0;
    int imageHeight = 0;
    if (m_QRPrinter) {
        imageWidth = m_QRPrinter->XSize(m_QRPrinter->PaperWidth() / 100.0L * m_Zoom) + 4;
        imageHeight = m_QRPrinter->YSize(m_QRPrinter->PaperLength() / 100.0L * m_Zoom) + 4;
    } else {
        imageWidth = Rounded(kLetterWidth / 100 * m_Zoom) + 4;
        imageHeight = Rounded(kLetterLength / 100 * m_Zoom) + 4;
    }
    m_PreviewImage->resize(imageWidth, imageHeight);
    m_ImageOrigin.setX(imageWidth < width() ? (width() - imageWidth) / 2 : 0);
    m_ImageOrigin.setY(imageHeight < height() ? (height() - imageHeight) / 2 : 0);
    m_PreviewImage->SetZoom(m_Zoom);
    PlaceImage();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void TQRPreview::ShowFirstPage() {
    m_PageNumber = 1;
    m_PreviewImage->SetPageNumber(1);
    if (m_ZoomState == TQRZoomState::FitPage)
        ZoomToFit();
    else if (m_ZoomState == TQRZoomState::FitWidth)
        ZoomToWidth();
    else
        UpdateZoom();
}

void TQRPreview::PlaceImage() {
    const QSize view = viewport()->size();
    const QSize image = m_PreviewImage->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, m_ImageOrigin.x() + image.width() - view.width()));
    h->setPageStep(view.width());
    h->setSingleStep(16);
    v->setRange(0, std::max(0, m_ImageOrigin.y() + image.height() - view.height()));
    v->setPageStep(view.height());
    v->setSingleStep(16);
    m_PreviewImage->move(m_ImageOrigin.x() - h->value(), m_ImageOrigin.y() - v->value());
}

void TQRPreview::scrollContentsBy(int, int) {
    m_PreviewImage->move(m_ImageOrigin.x() - horizontalScrollBar()->value(),
                         m_ImageOrigin.y() - verticalScrollBar()->value());
}

void TQRPreview::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    // The viewport also reports here when a scroll bar comes or goes; only
    // a change of the control's own size fits the zoom again.
    if (size() == m_HandledSize) {
        PlaceImage();
        return;
    }
    m_HandledSize = size();
    if (m_ZoomState == TQRZoomState::FitPage)
        ZoomToFit();
    else if (m_ZoomState == TQRZoomState::FitWidth)
        ZoomToWidth();
    UpdateZoom();
}

void TQRPreview::ProgressChanged(int percent) {
    GuardReportWindowEvent([&] {
        if (OnProgressUpdate)
            OnProgressUpdate(*this, LowWord(percent));
    });
}

void TQRPreview::PageAvailable(int availablePages) {
    GuardReportWindowEvent([&] {
        const int pageNumber = LowWord(availablePages);
        if (pageNumber == m_PageNumber && m_QRPrinter && !m_PreviewImage->HasPage() &&
            m_PreviewImage->PageNumber() <= m_QRPrinter->AvailablePages()) {
            ZoomToWidth();
            m_PreviewImage->SetPageNumber(m_PreviewImage->PageNumber());
        }
        if (OnPageAvailable)
            OnPageAvailable(*this, pageNumber);
    });
}

} // namespace zel
