#pragma once
// TQRShape: a rectangle, a circle or lines printed in the control's
// rectangle with its Pen and Brush.
//
// The pen's Width counts points, like a frame's lines, and becomes device
// pixels the same way (never thinner than one pixel; -1 is one device
// pixel; 0 draws no line). Where the figures go:
// - rectangle: the outline runs along the inside of the rectangle, however
//   thick the pen, and the brush fills it;
// - circle: the largest circle centred in the rectangle (an odd pixel left
//   over goes right or below), outlined inside and filled like the rectangle;
// - vertical and horizontal line: one line of the pen's thickness through
//   the middle, from edge to edge;
// - top and bottom, right and left: lines along those edges, inside.
// Lines are solid fills in the pen's colour, as a frame's are, so they
// print alike on every device; the brush is not used for them.

#include "report/controls/printable.h"

namespace zel {

enum TShapeType {
    qrsRectangle,
    qrsCircle,
    qrsVertLine,
    qrsHorLine,
    qrsTopAndBottom,
    qrsRightAndLeft
};

class TQRShape : public TQRPrintable {
public:
    TQRShape();

    TShapeType Shape() const { return m_Shape; }
    void SetShape(TShapeType shape);
    const platform::TPenSpec& Pen() const { return m_Pen; }
    void SetPen(const platform::TPenSpec& pen);
    const platform::TBrushSpec& Brush() const { return m_Brush; }
    void SetBrush(const platform::TBrushSpec& brush);

    void Print(long double offsetX, long double offsetY) override;

private:
    void PrintOutlined(platform::TCanvas& canvas, const platform::TRect& rect, int penWidth);
    void PrintLines(platform::TCanvas& canvas, const platform::TRect& rect, int vertical,
                    int horizontal);

    TShapeType m_Shape = qrsRectangle;
    platform::TPenSpec m_Pen;
    platform::TBrushSpec m_Brush;
};

} // namespace zel
