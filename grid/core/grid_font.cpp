#include "grid/core/grid_font.h"

#include "platform/qt/font_faces.h"
#include "platform/qt/qstring_text.h"

#include <algorithm>
#include <cmath>

namespace zel {

QFont ToQFont(const TGridFont& font) {
    QFont q =
        platform::MakeFont(font.Name, std::clamp(font.Height, -kMaxFontHeight, kMaxFontHeight));
    q.setBold((font.Style & platform::fsBold) != 0);
    q.setItalic((font.Style & platform::fsItalic) != 0);
    q.setUnderline((font.Style & platform::fsUnderline) != 0);
    q.setStrikeOut((font.Style & platform::fsStrikeOut) != 0);
    return q;
}

TGridFont GridFontOf(const QFont& font) {
    int pixels = font.pixelSize();
    if (pixels <= 0)
        pixels = static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    TGridFont result;
    result.Name = cp932::FromQString(font.family());
    result.Height = -std::clamp(pixels, 1, kMaxFontHeight);
    result.Style = static_cast<std::uint8_t>((font.bold() ? platform::fsBold : 0) |
                                             (font.italic() ? platform::fsItalic : 0) |
                                             (font.underline() ? platform::fsUnderline : 0) |
                                             (font.strikeOut() ? platform::fsStrikeOut : 0));
    return result;
}

} // namespace zel
