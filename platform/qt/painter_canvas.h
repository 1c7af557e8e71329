#pragma once
// A canvas that draws straight onto a QPainter: a printer page, an image,
// a window. Coordinates are the painter's logical pixels; fonts given in
// points are resolved with the resolution the canvas is made with.

#include "platform/canvas.h"

#include <QPainter>
#include <QPainterPath>
#include <optional>

namespace zel::platform {

class TPainterCanvas : public TCanvas {
public:
    // The painter must outlive the canvas. A clip already set on it stays in
    // force: ClearClip comes back to it, never beyond.
    TPainterCanvas(QPainter& painter, int pixelsPerInch);

    int PixelsPerInch() const override { return m_PixelsPerInch; }

    void Rectangle(const TRect& rect) override;
    void Ellipse(const TRect& rect) override;
    void FillRect(const TRect& rect) override;
    void TextOut(int x, int y, std::string_view text) override;
    TSize TextExtent(std::string_view text) override;
    void SetClipRect(const TRect& rect) override;
    void ClearClip() override;
    void PlayPage(const TRecordedPage& page, const TRect& target) override;

protected:
    void FontChanged() override;
    void DrawLine(TPoint from, TPoint to) override;

private:
    QPen MakePen() const;
    // Where the pen's centre runs for an outline along the outermost pixels
    // of `cells`.
    QRectF OutlinePath(const QRect& cells) const;
    void RestoreBaseClip();
    bool GlyphTooLargeToCache() const;

    QPainter& m_Painter;
    int m_PixelsPerInch;
    QFont m_QFont;
    std::optional<QPainterPath> m_BaseClip; // device coordinates
};

} // namespace zel::platform
