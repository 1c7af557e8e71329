#include "platform/qt/canvas_font.h"

#include "platform/qt/font_faces.h"

namespace zel::platform {

QFont ToQFont(const TFontSpec& font) {
    QFont q = MakeFont(font.Name, font.Height);
    q.setBold((font.Style & fsBold) != 0);
    q.setItalic((font.Style & fsItalic) != 0);
    q.setUnderline((font.Style & fsUnderline) != 0);
    q.setStrikeOut((font.Style & fsStrikeOut) != 0);
    // Lines are broken by measured widths; without kerning a line's width is
    // the sum of its characters' widths, as the measuring assumed.
    q.setKerning(false);
    return q;
}

QColor ToQColor(TColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

} // namespace zel::platform
