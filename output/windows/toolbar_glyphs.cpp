#include "output/windows/toolbar_glyphs.h"

#include <QPainter>
#include <QPolygon>

namespace zel {
namespace {

const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kBlue(0, 0, 160);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kYellow(240, 200, 60);

// A sheet with a folded corner, the page the preview shows.
void DrawSheet(QPainter& p, const QRect& r) {
    const int fold = 3;
    const QPolygon outline({r.topLeft(), QPoint(r.right() - fold, r.top()),
                            QPoint(r.right(), r.top() + fold), r.bottomRight(), r.bottomLeft()});
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawPolygon(outline);
    p.drawLine(r.right() - fold, r.top(), r.right() - fold, r.top() + fold);
    p.drawLine(r.right() - fold, r.top() + fold, r.right(), r.top() + fold);
}

void DrawTriangle(QPainter& p, int tipX, int y, int direction) {
    // direction -1 points left, +1 right; 4 pixels deep, 9 high.
    QPolygon t;
    t << QPoint(tipX, y) << QPoint(tipX - 4 * direction, y - 4)
      << QPoint(tipX - 4 * direction, y + 4);
    p.setPen(kBlue);
    p.setBrush(kBlue);
    p.drawPolygon(t);
}

void DrawBar(QPainter& p, int x, int y) {
    p.fillRect(QRect(x, y - 4, 2, 9), kBlue);
}

void DrawPrinter(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(4, 1, 7, 5); // paper going in
    p.setBrush(kSilver);
    p.drawRect(1, 6, 13, 6); // body
    p.fillRect(QRect(3, 8, 2, 1), QColor(0, 160, 0));
    p.setBrush(kPaper);
    p.drawRect(3, 11, 9, 3); // paper coming out
}

void DrawGlyph(QPainter& p, TPreviewGlyph glyph) {
    switch (glyph) {
    case TPreviewGlyph::ZoomFit:
        DrawSheet(p, QRect(3, 1, 9, 13));
        p.setPen(kBlue);
        p.drawRect(5, 4, 5, 8);
        break;
    case TPreviewGlyph::Zoom100: {
        DrawSheet(p, QRect(1, 1, 13, 13));
        p.setPen(kBlue);
        p.drawLine(4, 5, 4, 11); // "1"
        p.drawPoint(3, 6);
        p.drawPoint(7, 7); // ":"
        p.drawPoint(7, 10);
        p.drawLine(10, 5, 10, 11); // "1"
        p.drawPoint(9, 6);
        break;
    }
    case TPreviewGlyph::ZoomToWidth:
        DrawSheet(p, QRect(2, 1, 11, 13));
        p.setPen(kBlue);
        p.drawLine(4, 8, 10, 8);
        DrawTriangle(p, 3, 8, -1);
        DrawTriangle(p, 11, 8, 1);
        break;
    case TPreviewGlyph::FirstPage:
        DrawBar(p, 3, 8);
        DrawTriangle(p, 6, 8, -1);
        DrawTriangle(p, 11, 8, -1);
        break;
    case TPreviewGlyph::PreviousPage:
        DrawTriangle(p, 6, 8, -1);
        break;
    case TPreviewGlyph::NextPage:
        DrawTriangle(p, 10, 8, 1);
        break;
    case TPreviewGlyph::LastPage:
        DrawTriangle(p, 5, 8, 1);
        DrawTriangle(p, 10, 8, 1);
        DrawBar(p, 12, 8);
        break;
    case TPreviewGlyph::PrintSetup:
        DrawPrinter(p);
        // A check mark over the printer: its settings.
        p.setPen(QPen(kBlue, 2));
        p.drawLine(9, 4, 11, 6);
        p.drawLine(11, 6, 15, 1);
        break;
    case TPreviewGlyph::Print:
        DrawPrinter(p);
        break;
    case TPreviewGlyph::Load: {
        p.setPen(kInk);
        p.setBrush(kYellow);
        p.drawPolygon(QPolygon({QPoint(1, 3), QPoint(5, 3), QPoint(6, 5), QPoint(13, 5),
                                QPoint(13, 13), QPoint(1, 13)}));
        p.setBrush(QColor(255, 230, 130));
        p.drawPolygon(QPolygon({QPoint(1, 13), QPoint(4, 7), QPoint(15, 7), QPoint(13, 13)}));
        break;
    }
    case TPreviewGlyph::Save:
        p.setPen(kInk);
        p.setBrush(kBlue);
        p.drawRect(1, 1, 13, 13);
        p.setBrush(kPaper);
        p.drawRect(3, 1, 9, 6); // label
        p.setBrush(kGrey);
        p.drawRect(4, 10, 7, 4); // shutter
        p.fillRect(QRect(8, 11, 2, 2), kInk);
        break;
    }
}

} // namespace

QPixmap PreviewGlyph(TPreviewGlyph glyph) {
    QPixmap pixmap(kPreviewGlyphSize, kPreviewGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawGlyph(painter, glyph);
    return pixmap;
}

} // namespace zel
