#include "platform/qt/painter_canvas.h"

#include "platform/text_metrics.h"

#include "platform/qt/canvas_font.h"
#include "platform/qt/page_playback.h"
#include "platform/qt/qstring_text.h"
#include "platform/recorded_page.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zel::platform {
namespace {

Qt::PenStyle ToQtPenStyle(TPenStyle style) {
    switch (style) {
    case TPenStyle::Dash:
        return Qt::DashLine;
    case TPenStyle::Dot:
        return Qt::DotLine;
    case TPenStyle::DashDot:
        return Qt::DashDotLine;
    case TPenStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case TPenStyle::Clear:
        return Qt::NoPen;
    case TPenStyle::Solid:
    case TPenStyle::InsideFrame:
        break;
    }
    return Qt::SolidLine;
}

// [left, right) x [top, bottom), empty when reversed; widths in 64 bits
// because coordinates may be far apart.
QRect CellRect(const TRect& r) {
    const std::int64_t w = std::int64_t{r.Right} - r.Left;
    const std::int64_t h = std::int64_t{r.Bottom} - r.Top;
    if (w <= 0 || h <= 0 || w > INT32_MAX || h > INT32_MAX)
        return {};
    return QRect(r.Left, r.Top, static_cast<int>(w), static_cast<int>(h));
}

} // namespace

TPainterCanvas::TPainterCanvas(QPainter& painter, int pixelsPerInch)
    : m_Painter(painter), m_PixelsPerInch(pixelsPerInch) {
    if (m_Painter.hasClipping())
        m_BaseClip = m_Painter.worldTransform().map(m_Painter.clipPath());
    // Shapes land on whole pixels like the system's; text stays smooth.
    m_Painter.setRenderHint(QPainter::Antialiasing, false);
    m_Painter.setRenderHint(QPainter::TextAntialiasing, true);
    FontChanged();
}

QPen TPainterCanvas::MakePen() const {
    const TPenSpec& pen = Pen();
    QPen q(ToQColor(pen.Color));
    q.setStyle(ToQtPenStyle(pen.Style));
    // Width 0 is one device pixel at any scale; wider pens scale with the
    // page when it is stretched.
    q.setWidth(pen.Width);
    q.setCosmetic(pen.Width == 0);
    q.setCapStyle(Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    return q;
}

void TPainterCanvas::FontChanged() {
    m_QFont = ToQFont(Font());
}

void TPainterCanvas::DrawLine(TPoint from, TPoint to) {
    if (Pen().Style == TPenStyle::Clear)
        return;
    // Flat caps end the line at its end point, which is then not drawn, as
    // the system's lines do. Going up or left the rasterizer takes the end
    // pixel and leaves the start; one pixel along puts that right for the
    // straight lines reports draw.
    if (from == to)
        return;
    if (from.Y == to.Y && to.X < from.X)
        ++from.X, ++to.X;
    else if (from.X == to.X && to.Y < from.Y)
        ++from.Y, ++to.Y;
    m_Painter.setPen(MakePen());
    m_Painter.drawLine(QPoint(from.X, from.Y), QPoint(to.X, to.Y));
}

void TPainterCanvas::Rectangle(const TRect& rect) {
    const QRect cells = CellRect(rect);
    if (cells.isEmpty())
        return;
    if (Brush().Style == TBrushStyle::Solid)
        m_Painter.fillRect(cells, ToQColor(Brush().Color));
    if (Pen().Style == TPenStyle::Clear)
        return;
    m_Painter.setPen(MakePen());
    m_Painter.setBrush(Qt::NoBrush);
    m_Painter.drawRect(OutlinePath(cells));
}

QRectF TPainterCanvas::OutlinePath(const QRect& cells) const {
    // The outline runs along the outermost pixels; an inside-frame pen of
    // any width keeps all of itself within the rectangle.
    QRectF path = QRectF(cells).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal width = Pen().Width > 1 ? Pen().Width : 1;
    if (Pen().Style == TPenStyle::InsideFrame && width > 1)
        path.adjust((width - 1) / 2, (width - 1) / 2, -(width - 1) / 2, -(width - 1) / 2);
    return path;
}

void TPainterCanvas::Ellipse(const TRect& rect) {
    const QRect cells = CellRect(rect);
    if (cells.isEmpty())
        return;
    const bool filled = Brush().Style == TBrushStyle::Solid;
    const bool outlined = Pen().Style != TPenStyle::Clear;
    if (!filled && !outlined)
        return;
    m_Painter.setPen(outlined ? MakePen() : QPen(Qt::NoPen));
    m_Painter.setBrush(filled ? QBrush(ToQColor(Brush().Color)) : QBrush(Qt::NoBrush));
    m_Painter.drawEllipse(OutlinePath(cells));
    m_Painter.setBrush(Qt::NoBrush);
}

void TPainterCanvas::FillRect(const TRect& rect) {
    const QRect cells = CellRect(rect);
    if (!cells.isEmpty())
        m_Painter.fillRect(cells, ToQColor(Brush().Color));
}

void TPainterCanvas::TextOut(int x, int y, std::string_view text) {
    if (text.empty())
        return;
    const QString string = cp932::ToQString(text);
    m_Painter.setFont(m_QFont);
    const QFontMetrics metrics = m_Painter.fontMetrics();
    // Measuring shapes the text once more; left-aligned text on a clear
    // background, most of a page, does without.
    const bool measured = TextAlign() != TTextAlign::Left || BkMode() == TBkMode::Opaque;
    const int width = measured ? MeasureText(Font(), text).Width : 0;
    int left = x;
    if (TextAlign() == TTextAlign::Right)
        left = x - width;
    else if (TextAlign() == TTextAlign::Center)
        left = x - width / 2;
    if (BkMode() == TBkMode::Opaque)
        m_Painter.fillRect(QRect(left, y, width, metrics.height()), ToQColor(BkColor()));
    const QPoint baseline(left, y + metrics.ascent());
    if (GlyphTooLargeToCache()) {
        QPainterPath outlines;
        outlines.addText(baseline, m_QFont, string);
        m_Painter.fillPath(outlines, ToQColor(Font().Color));
        return;
    }
    m_Painter.setPen(ToQColor(Font().Color));
    m_Painter.drawText(baseline, string);
}

// The raster engine renders a glyph whole at its drawn size when its area
// is small, even when one side is huge (a page stretched far wider than it
// is high); the font rasterizer then fails with a warning per glyph, or Qt
// copies the glyph's bitmap past its end and crashes. Such text is filled
// as outlines instead. Other engines (a PDF) keep text as text.
bool TPainterCanvas::GlyphTooLargeToCache() const {
    constexpr qreal kLargestCachedGlyph = 64;
    if (m_Painter.paintEngine() == nullptr ||
        m_Painter.paintEngine()->type() != QPaintEngine::Raster)
        return false;
    const QTransform t = m_Painter.combinedTransform();
    const qreal scale = std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    // Qt's own test: the font's pixel size squared, times the transform's
    // area, up to and including the limit. Qt keeps a fraction of the pixel
    // size that fontInfo() rounds away, so the area here is taken a pixel
    // smaller: at the edge the text goes as outlines, never to the cache.
    const qreal pixelSize = m_Painter.fontInfo().pixelSize();
    const qreal smaller = std::max<qreal>(pixelSize - 1, 0);
    const qreal area = smaller * smaller * std::abs(t.determinant());
    return pixelSize * scale > kLargestCachedGlyph &&
           area <= kLargestCachedGlyph * kLargestCachedGlyph;
}

TSize TPainterCanvas::TextExtent(std::string_view text) {
    return MeasureText(Font(), text);
}

void TPainterCanvas::SetClipRect(const TRect& rect) {
    RestoreBaseClip();
    m_Painter.setClipRect(CellRect(rect),
                          m_Painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TPainterCanvas::ClearClip() {
    RestoreBaseClip();
}

void TPainterCanvas::RestoreBaseClip() {
    if (!m_BaseClip) {
        m_Painter.setClipping(false);
        return;
    }
    bool invertible = false;
    const QTransform toLogical = m_Painter.worldTransform().inverted(&invertible);
    m_Painter.setClipPath(invertible ? toLogical.map(*m_BaseClip) : QPainterPath());
}

void TPainterCanvas::PlayPage(const TRecordedPage& page, const TRect& target) {
    PlayRecordedPage(page, m_Painter,
                     QRectF(target.Left, target.Top, double(target.Right) - target.Left,
                            double(target.Bottom) - target.Top));
}

} // namespace zel::platform
