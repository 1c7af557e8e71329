#include "output/windows/preview_image.h"

#include "output/report_printer.h"
#include "platform/qt/page_playback.h"

#include <QPainter>

namespace zel {

TQRPreviewImage::TQRPreviewImage(QWidget* parent) : QWidget(parent) {
    resize(100, 50);
}

TQRPreviewImage::~TQRPreviewImage() = default;

void TQRPreviewImage::SetPageNumber(int pageNumber) {
    // Fetched first: a page of a damaged file raises, and the page shown
    // stays, with its number.
    std::unique_ptr<TMetafile> page = m_QRPrinter ? m_QRPrinter->GetPage(pageNumber) : nullptr;
    m_PageNumber = pageNumber;
    m_Page = std::move(page);
    m_HasPage = m_Page != nullptr;
    repaint();
}

void TQRPreviewImage::paintEvent(QPaintEvent*) {
    if (!m_HasPage)
        return;
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.fillRect(QRect(1, 1, w - 4, h - 4), Qt::white);
    platform::PlayRecordedPage(m_Page->Page(), painter, QRectF(0, 0, w, h));
    // The frame goes over the page's edge, the shadow right and below it.
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, w - 3, h - 3));
    painter.fillRect(QRect(w - 2, 2, 2, h - 2), Qt::black);
    painter.fillRect(QRect(2, h - 2, w - 2, 2), Qt::black);
}

} // namespace zel
