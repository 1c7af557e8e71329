#include "report/controls/shape.h"

#include "report/controls/frame.h"

#include <algorithm>

namespace zel {

TQRShape::TQRShape() {
    SetBounds(Left(), Top(), 65, 65);
}

void TQRShape::SetShape(TShapeType shape) {
    m_Shape = shape;
    Repaint();
}

void TQRShape::SetPen(const platform::TPenSpec& pen) {
    m_Pen = pen;
    Repaint();
}

void TQRShape::SetBrush(const platform::TBrushSpec& brush) {
    m_Brush = brush;
    Repaint();
}

void TQRShape::Print(long double offsetX, long double offsetY) {
    if (!ParentReport() || !QRPrinter() || !QRPrinter()->Canvas())
        return;
    platform::TCanvas& canvas = *QRPrinter()->Canvas();
    const platform::TRect rect = PrintRect(offsetX, offsetY);
    const bool penShows = m_Pen.Style != platform::TPenStyle::Clear;
    const int vertical = penShows ? FrameLineWidth(m_Pen.Width, QRPrinter()->XFactor()) : 0;
    const int horizontal = penShows ? FrameLineWidth(m_Pen.Width, QRPrinter()->YFactor()) : 0;
    if (m_Shape == qrsRectangle || m_Shape == qrsCircle)
        PrintOutlined(canvas, rect, std::min(vertical, horizontal));
    else
        PrintLines(canvas, rect, vertical, horizontal);
    TQRPrintable::Print(offsetX, offsetY);
}

void TQRShape::PrintOutlined(platform::TCanvas& canvas, const platform::TRect& rect, int penWidth) {
    platform::TPenSpec pen = m_Pen;
    pen.Width = penWidth;
    // A solid outline is kept inside, so a thick pen does not spill onto
    // the controls next to the shape.
    if (pen.Style == platform::TPenStyle::Solid)
        pen.Style = platform::TPenStyle::InsideFrame;
    if (penWidth <= 0)
        pen.Style = platform::TPenStyle::Clear;
    canvas.SetPen(pen);
    canvas.SetBrush(m_Brush);
    if (m_Shape == qrsRectangle) {
        canvas.Rectangle(rect);
        return;
    }
    const int width = rect.Right - rect.Left;
    const int height = rect.Bottom - rect.Top;
    const int diameter = std::max(0, std::min(width, height));
    const int left = rect.Left + (width - diameter) / 2;
    const int top = rect.Top + (height - diameter) / 2;
    canvas.Ellipse({left, top, left + diameter, top + diameter});
}

void TQRShape::PrintLines(platform::TCanvas& canvas, const platform::TRect& rect, int vertical,
                          int horizontal) {
    canvas.SetBrush({m_Pen.Color, platform::TBrushStyle::Solid});
    // A line of no thickness fills nothing, as with a frame.
    const auto fill = [&canvas](const platform::TRect& r) {
        if (r.Right > r.Left && r.Bottom > r.Top)
            canvas.FillRect(r);
    };
    const int middleX = rect.Left + (rect.Right - rect.Left - vertical) / 2;
    const int middleY = rect.Top + (rect.Bottom - rect.Top - horizontal) / 2;
    switch (m_Shape) {
    case qrsVertLine:
        fill({middleX, rect.Top, middleX + vertical, rect.Bottom});
        break;
    case qrsHorLine:
        fill({rect.Left, middleY, rect.Right, middleY + horizontal});
        break;
    case qrsTopAndBottom:
        fill({rect.Left, rect.Top, rect.Right, rect.Top + horizontal});
        fill({rect.Left, rect.Bottom - horizontal, rect.Right, rect.Bottom});
        break;
    case qrsRightAndLeft:
        fill({rect.Left, rect.Top, rect.Left + vertical, rect.Bottom});
        fill({rect.Right - vertical, rect.Top, rect.Right, rect.Bottom});
        break;
    case qrsRectangle:
    case qrsCircle:
        break;
    }
    canvas.SetBrush({m_Pen.Color, platform::TBrushStyle::Clear});
}

} // namespace zel
