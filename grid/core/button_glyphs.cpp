#include "grid/core/button_glyphs.h"

#include <QPainter>

namespace zel {
namespace {

// Arrows are filled column by column (or row by row), so that their edges
// are crisp at this size.

// Pointing left (direction -1) or right (+1), `depth` pixels deep with its
// tip at (tipX, centreY).
void HorizontalArrow(QPainter& p, int tipX, int centreY, int depth, int direction) {
    for (int i = 0; i < depth; ++i)
        p.fillRect(tipX - i * direction, centreY - i, 1, 2 * i + 1, Qt::black);
}

// Pointing up (direction -1) or down (+1).
void VerticalArrow(QPainter& p, int centreX, int tipY, int depth, int direction) {
    for (int i = 0; i < depth; ++i)
        p.fillRect(centreX - i, tipY - i * direction, 2 * i + 1, 1, Qt::black);
}

} // namespace

QPixmap ButtonGlyph(std::string_view resourceName) {
    struct Glyph {
        std::string_view name;
        int width, height;
        void (*draw)(QPainter&);
    };
    static constexpr Glyph kGlyphs[] = {
        {"SpinUp", 7, 4, [](QPainter& p) { VerticalArrow(p, 3, 0, 4, -1); }},
        {"SpinDown", 7, 4, [](QPainter& p) { VerticalArrow(p, 3, 3, 4, 1); }},
        {"MOPREVYEAR", 8, 7,
         [](QPainter& p) {
             HorizontalArrow(p, 0, 3, 4, -1);
             HorizontalArrow(p, 4, 3, 4, -1);
         }},
        {"MOPREVMONTH", 4, 7, [](QPainter& p) { HorizontalArrow(p, 0, 3, 4, -1); }},
        {"MONEXTMONTH", 4, 7, [](QPainter& p) { HorizontalArrow(p, 3, 3, 4, 1); }},
        {"MONEXTYEAR", 8, 7,
         [](QPainter& p) {
             HorizontalArrow(p, 3, 3, 4, 1);
             HorizontalArrow(p, 7, 3, 4, 1);
         }},
    };
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.name != resourceName)
            continue;
        QPixmap pixmap(glyph.width, glyph.height);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        glyph.draw(painter);
        return pixmap;
    }
    return {};
}

} // namespace zel
