#pragma once
// The drawing surface the report engine draws pages on: a recorded page,
// a printer page or a window. Coordinates are device pixels of the surface.
// The state (pen, brush, font, background, alignment, pen position) lives
// here; each surface says how it draws.

#include "platform/canvas_types.h"

#include <string_view>

namespace zel::platform {

class TRecordedPage;

class TCanvas {
public:
    virtual ~TCanvas() = default;

    // Logical pixels per inch of the device; fonts given in points are
    // resolved with it.
    virtual int PixelsPerInch() const = 0;

    const TPenSpec& Pen() const { return m_Pen; }
    void SetPen(const TPenSpec& pen);
    const TBrushSpec& Brush() const { return m_Brush; }
    void SetBrush(const TBrushSpec& brush);
    // The font as selected: Size is 0 and Height holds device pixels.
    const TFontSpec& Font() const { return m_Font; }
    void SetFont(const TFontSpec& font);
    TBkMode BkMode() const { return m_BkMode; }
    void SetBkMode(TBkMode mode);
    TColor BkColor() const { return m_BkColor; }
    void SetBkColor(TColor color);
    TTextAlign TextAlign() const { return m_TextAlign; }
    void SetTextAlign(TTextAlign align);
    TPoint PenPos() const { return m_PenPos; }

    void MoveTo(int x, int y);
    // A line from the pen position to (x, y), the end point left out, so
    // that lines drawn one after the other do not overlap.
    void LineTo(int x, int y);
    // Outlined with the pen and filled with the brush.
    virtual void Rectangle(const TRect& rect) = 0;
    // The ellipse that touches the rectangle's sides, outlined with the pen
    // and filled with the brush like a rectangle.
    virtual void Ellipse(const TRect& rect) = 0;
    // Filled with the brush, whatever its style; no outline.
    virtual void FillRect(const TRect& rect) = 0;
    // Text in the font's colour with its top at y; x is the left end, the
    // right end or the centre by TextAlign. An opaque background fills the
    // text cell with BkColor first. The pen position does not move.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // Advance width and cell height of the text in the selected font.
    virtual TSize TextExtent(std::string_view text) = 0;
    int TextWidth(std::string_view text) { return TextExtent(text).Width; }
    int TextHeight(std::string_view text) { return TextExtent(text).Height; }
    // Drawing is limited to the rectangle until the clip is cleared.
    virtual void SetClipRect(const TRect& rect) = 0;
    virtual void ClearClip() = 0;
    // A recorded page stretched into the rectangle. The canvas state is
    // the same afterwards.
    virtual void PlayPage(const TRecordedPage& page, const TRect& target) = 0;

protected:
    // Called after the state has changed, for surfaces that pass it on.
    virtual void PenChanged() {}
    virtual void BrushChanged() {}
    virtual void FontChanged() {}
    virtual void BkModeChanged() {}
    virtual void BkColorChanged() {}
    virtual void TextAlignChanged() {}
    virtual void Moved() {}
    virtual void DrawLine(TPoint from, TPoint to) = 0;

private:
    TPenSpec m_Pen;
    TBrushSpec m_Brush;
    TFontSpec m_Font;
    TBkMode m_BkMode = TBkMode::Opaque;
    TColor m_BkColor = kWhite;
    TTextAlign m_TextAlign = TTextAlign::Left;
    TPoint m_PenPos;
};

} // namespace zel::platform
