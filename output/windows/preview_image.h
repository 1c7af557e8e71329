#pragma once
// TQRPreviewImage: the one page the preview control shows, stretched over
// the image's size, with a frame and a two-pixel shadow. A page still being
// drawn shows nothing until it is announced.

#include "output/metafile.h"

#include <QWidget>
#include <memory>

namespace zel {

class TQRPrinter;

class TQRPreviewImage : public QWidget {
    Q_OBJECT
public:
    explicit TQRPreviewImage(QWidget* parent = nullptr);
    ~TQRPreviewImage() override;

    TQRPrinter* QRPrinter() const { return m_QRPrinter; }
    void SetQRPrinter(TQRPrinter* printer) { m_QRPrinter = printer; }
    int PageNumber() const { return m_PageNumber; }
    // Asks the report printer for page n again, and paints at once.
    void SetPageNumber(int pageNumber);
    bool HasPage() const { return m_HasPage; }
    int Zoom() const { return m_Zoom; }
    void SetZoom(int zoom) { m_Zoom = zoom; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TQRPrinter* m_QRPrinter = nullptr;
    int m_PageNumber = 1;
    std::unique_ptr<TMetafile> m_Page;
    bool m_HasPage = false;
    int m_Zoom = 100;
};

} // namespace zel
