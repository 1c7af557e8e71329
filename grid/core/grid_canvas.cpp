#include "grid/core/grid_canvas.h"

#include "platform/qt/qstring_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace zel {

void TGridCanvas::FillRect(const QRect& rect) {
    m_Painter->fillRect(rect, ColorToQColor(m_BrushColor));
}

void TGridCanvas::TextRect(const QRect& rect, int x, int y, std::string_view text) {
    FillRect(rect);
    if (text.empty())
        return;
    m_Painter->save();
    m_Painter->setClipRect(rect, Qt::IntersectClip);
    m_Painter->setFont(m_Font);
    m_Painter->setPen(ColorToQColor(m_FontColor));
    const QFontMetrics metrics(m_Font);
    m_Painter->drawText(QPoint(x, y + metrics.ascent()), cp932::ToQString(text));
    m_Painter->restore();
}

void TGridCanvas::AlignedText(const QRect& rect, std::string_view text, Qt::Alignment alignment) {
    if (text.empty() || !rect.isValid())
        return;
    m_Painter->save();
    m_Painter->setClipRect(rect, Qt::IntersectClip);
    m_Painter->setFont(m_Font);
    m_Painter->setPen(ColorToQColor(m_FontColor));
    m_Painter->drawText(rect, static_cast<int>(alignment) | Qt::TextSingleLine,
                        cp932::ToQString(text));
    m_Painter->restore();
}

void TGridCanvas::DrawFocusRect(const QRect& rect) {
    // Inverted dots, so the mark shows on any fill.
    m_Painter->save();
    m_Painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1, Qt::DotLine);
    m_Painter->setPen(pen);
    m_Painter->setBrush(Qt::NoBrush);
    m_Painter->drawRect(rect.adjusted(0, 0, -1, -1));
    m_Painter->restore();
}

} // namespace zel
