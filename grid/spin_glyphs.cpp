#include "grid/spin_glyphs.h"

#include <QPainter>
#include <QPolygon>

namespace zel {

QPixmap SpinGlyph(bool up) {
    // A black triangle, 5 pixels wide and 3 high, in a 7 x 4 cell.
    QPixmap glyph(7, 4);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int row = 0; row < 3; ++row) {
        const int y = up ? 3 - row : row;
        painter.drawRect(QRect(1 + row, y, 5 - 2 * row, 1));
    }
    return glyph;
}

} // namespace zel
