#include "report/controls/frame.h"

#include "page/units.h"
#include "report/controls/control.h"

namespace zel {

int FrameLineWidth(int width, long double factor) {
    if (width == -1)
        return 1;
    int pixels = static_cast<int>(RoundHalfEven(factor / 72 * 254 * width));
    if (pixels < 1 && width >= 1)
        pixels = 1;
    return pixels;
}

void TQRFrame::Changed() {
    if (m_Owner)
        m_Owner->Repaint();
}

void TQRFrame::SetColor(platform::TColor color) {
    m_Color = color;
    Changed();
}
void TQRFrame::SetDrawTop(bool draw) {
    m_DrawTop = draw;
    Changed();
}
void TQRFrame::SetDrawBottom(bool draw) {
    m_DrawBottom = draw;
    Changed();
}
void TQRFrame::SetDrawLeft(bool draw) {
    m_DrawLeft = draw;
    Changed();
}
void TQRFrame::SetDrawRight(bool draw) {
    m_DrawRight = draw;
    Changed();
}
void TQRFrame::SetStyle(platform::TPenStyle style) {
    m_Style = style;
    Changed();
}
void TQRFrame::SetWidth(int width) {
    m_Width = width;
    Changed();
}

void TQRFrame::PaintIt(platform::TCanvas& canvas, const platform::TRect& rect, long double xFactor,
                       long double yFactor) const {
    const int vertical = FrameLineWidth(m_Width, xFactor);
    const int horizontal = FrameLineWidth(m_Width, yFactor);
    canvas.SetBrush({m_Color, platform::TBrushStyle::Solid});
    canvas.SetPen({m_Color, 1, m_Style});
    // A line of no thickness fills nothing: a frame of width 0 stays unseen.
    const auto fill = [&canvas](const platform::TRect& r) {
        if (r.Right > r.Left && r.Bottom > r.Top)
            canvas.FillRect(r);
    };
    if (m_DrawTop)
        fill({rect.Left, rect.Top, rect.Right, rect.Top + horizontal});
    if (m_DrawBottom)
        fill({rect.Left, rect.Bottom - horizontal, rect.Right, rect.Bottom});
    if (m_DrawLeft)
        fill({rect.Left, rect.Top, rect.Left + vertical, rect.Bottom});
    if (m_DrawRight)
        fill({rect.Right - vertical, rect.Top, rect.Right, rect.Bottom});
    canvas.SetBrush({m_Color, platform::TBrushStyle::Clear});
}

} // namespace zel
