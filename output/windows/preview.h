#pragma once
// TQRPreview: the scrolling control that shows one page of a report printer
// at a zoom, fitted to the page or to the width or at a fixed percentage.
// It is the report printer's client while attached: progress and new pages
// arrive here as posted calls.

#include "output/report_printer_client.h"

#include <QAbstractScrollArea>
#include <cstdint>
#include <functional>

namespace zel {

class TQRPrinter;
class TQRPreviewImage;

enum class TQRZoomState : std::uint8_t { FitPage = 0, FitWidth = 1, Fixed = 2 };

class TQRPreview : public QAbstractScrollArea, public TQRPrinterClient {
    Q_OBJECT
public:
    using TQRPageAvailableEvent = std::function<void(TQRPreview& sender, int pageNum)>;
    using TQRProgressUpdateEvent = std::function<void(TQRPreview& sender, int progress)>;

    explicit TQRPreview(QWidget* parent = nullptr);
    ~TQRPreview() override;

    TQRPageAvailableEvent OnPageAvailable;
    TQRProgressUpdateEvent OnProgressUpdate;

    TQRPrinter* QRPrinter() const { return m_QRPrinter; }
    // Detaches the one attached before (when it still reports here) and
    // shows page 1 of the new one; nullptr detaches only.
    void SetQRPrinter(TQRPrinter* printer);

    int PageNumber() const { return m_PageNumber; }
    // Ignored outside 1 ... the printer's PageCount.
    void SetPageNumber(int pageNumber);
    int Zoom() const { return m_Zoom; }
    // Ignored outside 2 ... 2000; makes the zoom fixed.
    void SetZoom(int zoom);
    TQRZoomState ZoomState() const { return m_ZoomState; }
    void ZoomToFit();
    void ZoomToWidth();
    // Sizes the image for the zoom and places it: centred while smaller
    // than the control, at the corner otherwise; scrolled to the top left.
    void UpdateZoom();
    // Page 1 of pages that replaced the shown ones (a loaded file), fitted
    // again since the file brings its own paper.
    void ShowFirstPage();

    TQRPreviewImage& PreviewImage() const { return *m_PreviewImage; }

    // The owner's events get the low sixteen bits of either number, as they
    // always have.
    void ProgressChanged(int percent) override;
    // Shows the page once it is the one waited for; then tells the owner.
    void PageAvailable(int availablePages) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void PlaceImage();
    // Paper size in screen pixels at 100 %, or a letter page without printer.
    long double PageWidth() const;
    long double PageLength() const;

    TQRPreviewImage* m_PreviewImage;
    int m_PageNumber = 1;
    TQRPrinter* m_QRPrinter = nullptr;
    int m_Zoom = 100;
    TQRZoomState m_ZoomState = TQRZoomState::Fixed;
    // Where the image sits when not scrolled.
    QPoint m_ImageOrigin;
    QSize m_HandledSize;
};

} // namespace zel
