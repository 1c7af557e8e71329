#pragma once
// What a cell painter draws with: the grid's painter plus the brush colour
// and font that the grid sets before each cell, in the system's colours.
// Only valid while the grid paints.

#include "grid/core/system_colors.h"

#include <QFont>
#include <QRect>
#include <string_view>

class QPainter;

namespace zel {

class TGridCanvas {
public:
    explicit TGridCanvas(QPainter& painter) : m_Painter(&painter) {}

    QPainter& Painter() const { return *m_Painter; }

    TColor BrushColor() const { return m_BrushColor; }
    void SetBrushColor(TColor color) { m_BrushColor = color; }
    const QFont& Font() const { return m_Font; }
    void SetFont(const QFont& font) { m_Font = font; }
    TColor FontColor() const { return m_FontColor; }
    void SetFontColor(TColor color) { m_FontColor = color; }

    // Fills `rect` with the brush colour.
    void FillRect(const QRect& rect);
    // Fills `rect` with the brush and draws one line of code page 932 text
    // whose top-left corner is (x, y), clipped to `rect`.
    void TextRect(const QRect& rect, int x, int y, std::string_view text);
    // Draws one line of code page 932 text placed inside `rect` as
    // `alignment` says and clipped to it; the background is left alone.
    void AlignedText(const QRect& rect, std::string_view text, Qt::Alignment alignment);
    // The dotted rectangle that marks the cell with the focus.
    void DrawFocusRect(const QRect& rect);

private:
    QPainter* m_Painter;
    TColor m_BrushColor = clWindow;
    TColor m_FontColor = clWindowText;
    QFont m_Font;
};

} // namespace zel
