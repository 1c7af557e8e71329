#pragma once
// The preview toolbar's 16 x 16 glyphs, drawn in code so the program needs
// no image files. Indexed as the toolbar uses them.

#include <QPixmap>

namespace zel {

enum class TPreviewGlyph {
    ZoomFit = 0,
    Zoom100 = 1,
    ZoomToWidth = 2,
    FirstPage = 3,
    PreviousPage = 4,
    NextPage = 5,
    LastPage = 6,
    PrintSetup = 7,
    Print = 8,
    Load = 9,
    Save = 10,
};
inline constexpr int kPreviewGlyphCount = 11;
inline constexpr int kPreviewGlyphSize = 16;

QPixmap PreviewGlyph(TPreviewGlyph glyph);

} // namespace zel
