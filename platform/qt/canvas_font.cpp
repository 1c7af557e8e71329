#include "platform/qt/canvas_font.h"

#include "platform/qt/font_faces.h"

#include <array>
#include <cstddef>
#include <optional>

namespace zel::platform {
namespace {

QFont BuildQFont(const TFontSpec& font) {
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

} // namespace

bool SameQFont(const TFontSpec& a, const TFontSpec& b) {
    return a.Height == b.Height && a.Style == b.Style && a.Name == b.Name;
}

QFont ToQFont(const TFontSpec& font) {
    // A page sets the same few fonts over and over; resolving a face name
    // and its substitutes each time cost more than drawing the text.
    struct TEntry {
        TFontSpec Described;
        QFont Font;
    };
    thread_local std::array<std::optional<TEntry>, 16> recent;
    thread_local std::size_t next = 0;
    for (const std::optional<TEntry>& entry : recent)
        if (entry && SameQFont(entry->Described, font))
            return entry->Font;
    std::optional<TEntry>& slot = recent[next];
    next = (next + 1) % recent.size();
    slot = TEntry{font, BuildQFont(font)};
    return slot->Font;
}

QColor ToQColor(TColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

} // namespace zel::platform
