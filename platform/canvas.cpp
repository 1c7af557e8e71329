#include "platform/canvas.h"

#include <cstdint>

namespace zel::platform {

int FontPixelHeight(const TFontSpec& font, int pixelsPerInch) {
    if (font.Size == 0)
        return font.Height;
    // Multiply, then divide rounding halves away from zero, in 64 bits so
    // that no size overflows.
    const std::int64_t product = std::int64_t{font.Size} * pixelsPerInch;
    const std::int64_t magnitude = ((product < 0 ? -product : product) + 36) / 72;
    return static_cast<int>(product < 0 ? magnitude : -magnitude);
}

void TCanvas::SetPen(const TPenSpec& pen) {
    m_Pen = pen;
    PenChanged();
}

void TCanvas::SetBrush(const TBrushSpec& brush) {
    m_Brush = brush;
    BrushChanged();
}

void TCanvas::SetFont(const TFontSpec& font) {
    m_Font = font;
    m_Font.Height = FontPixelHeight(font, PixelsPerInch());
    m_Font.Size = 0;
    FontChanged();
}

void TCanvas::SetBkMode(TBkMode mode) {
    m_BkMode = mode;
    BkModeChanged();
}

void TCanvas::SetBkColor(TColor color) {
    m_BkColor = color;
    BkColorChanged();
}

void TCanvas::SetTextAlign(TTextAlign align) {
    m_TextAlign = align;
    TextAlignChanged();
}

void TCanvas::MoveTo(int x, int y) {
    m_PenPos = {x, y};
    Moved();
}

void TCanvas::LineTo(int x, int y) {
    const TPoint from = m_PenPos;
    m_PenPos = {x, y};
    DrawLine(from, m_PenPos);
}

} // namespace zel::platform
