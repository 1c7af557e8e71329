#include "platform/qt/page_playback.h"

#include "platform/qt/painter_canvas.h"
#include "platform/screen.h"

namespace zel::platform {
namespace {

struct TPlayer {
    TCanvas& canvas;

    void operator()(const TPenRecord& r) { canvas.SetPen(r.Pen); }
    void operator()(const TBrushRecord& r) { canvas.SetBrush(r.Brush); }
    void operator()(const TFontRecord& r) { canvas.SetFont(r.Font); }
    void operator()(const TBkModeRecord& r) { canvas.SetBkMode(r.Mode); }
    void operator()(const TBkColorRecord& r) { canvas.SetBkColor(r.Color); }
    void operator()(const TTextAlignRecord& r) { canvas.SetTextAlign(r.Align); }
    void operator()(const TMoveToRecord& r) { canvas.MoveTo(r.To.X, r.To.Y); }
    void operator()(const TLineToRecord& r) { canvas.LineTo(r.To.X, r.To.Y); }
    void operator()(const TRectangleRecord& r) { canvas.Rectangle(r.Rect); }
    void operator()(const TFillRectRecord& r) { canvas.FillRect(r.Rect); }
    void operator()(const TEllipseRecord& r) { canvas.Ellipse(r.Rect); }
    void operator()(const TTextOutRecord& r) { canvas.TextOut(r.At.X, r.At.Y, r.Text); }
    void operator()(const TClipRectRecord& r) { canvas.SetClipRect(r.Rect); }
    void operator()(const TClearClipRecord&) { canvas.ClearClip(); }
    void operator()(const TPlayPageRecord& r) {
        if (r.Page)
            canvas.PlayPage(*r.Page, r.Target);
    }
};

} // namespace

void PlayRecordedPage(const TRecordedPage& page, QPainter& painter, const QRectF& target) {
    if (page.Width() <= 0 || page.Height() <= 0 || target.isEmpty())
        return;
    painter.save();
    QTransform transform = painter.worldTransform();
    transform.translate(target.x(), target.y());
    transform.scale(target.width() / page.Width(), target.height() / page.Height());
    painter.setWorldTransform(transform);
    {
        // Font heights in a page are already screen pixels, so the
        // resolution only matters for fonts given in points, which a page
        // never holds.
        TPainterCanvas canvas(painter, ScreenPixelsPerInch());
        TPlayer player{canvas};
        for (const TPageRecord& record : page.Records())
            std::visit(player, record);
    }
    painter.restore();
}

} // namespace zel::platform
