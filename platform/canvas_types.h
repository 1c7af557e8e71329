#pragma once
// The values a canvas draws with: colours, points, rectangles, pens, brushes
// and fonts, as the report engine hands them over. Plain data, so recorded
// pages can hold them and compare them.

#include <cstdint>
#include <string>

namespace zel::platform {

// A colour as the system keeps it: 0x00BBGGRR.
using TColor = std::uint32_t;

inline constexpr TColor kBlack = 0x000000;
inline constexpr TColor kWhite = 0xFFFFFF;

constexpr TColor MakeColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor{r} | (TColor{g} << 8) | (TColor{b} << 16);
}
constexpr std::uint8_t RedOf(TColor c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t GreenOf(TColor c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(TColor c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TSize&) const = default;
};

// Right and bottom are outside the rectangle, as everywhere in the system.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TRect&) const = default;
};

enum class TPenStyle : std::uint8_t { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };

struct TPenSpec {
    TColor Color = kBlack;
    int Width = 1; // device pixels; 0 draws one pixel wide like 1
    TPenStyle Style = TPenStyle::Solid;
    bool operator==(const TPenSpec&) const = default;
};

enum class TBrushStyle : std::uint8_t { Solid, Clear };

struct TBrushSpec {
    TColor Color = kWhite;
    TBrushStyle Style = TBrushStyle::Solid;
    bool operator==(const TBrushSpec&) const = default;
};

// Font style bits.
enum TFontStyle : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
inline constexpr std::uint8_t kFontStyleMask = fsBold | fsItalic | fsUnderline | fsStrikeOut;

inline constexpr std::uint8_t kDefaultCharset = 1;
inline constexpr std::uint8_t kShiftJisCharset = 128;

// The face a report and the program's windows start with. UTF-8, like every
// text written in the sources: a TFontSpec takes it through cp932::Sys.
inline constexpr const char* kDefaultFontFace = "ＭＳ Ｐゴシック";

// A font the way the system asks for one. A size in points, when given,
// wins over the pixel height and is turned into pixels with the resolution
// of the canvas that selects the font, so a label keeps its physical size
// on the screen and on a 600 dpi printer alike.
struct TFontSpec {
    std::string Name; // face name, code page 932 ("ＭＳ Ｐ明朝")
    int Height = -16; // device pixels; negative is the character height
    int Size = 0;     // points; 0 means Height applies
    std::uint8_t Style = 0;
    std::uint8_t Charset = kDefaultCharset; // kept for the record; faces pick the glyphs
    TColor Color = kBlack;
    bool operator==(const TFontSpec&) const = default;
};

// The pixel height a font gets on a device of `pixelsPerInch`: the size in
// points rounded to whole pixels (halves away from zero), negative because
// a size is a character height.
int FontPixelHeight(const TFontSpec& font, int pixelsPerInch);

enum class TBkMode : std::uint8_t { Transparent = 1, Opaque = 2 };

// Horizontal reference of text output; the vertical reference is always
// the top of the text cell.
enum class TTextAlign : std::uint8_t { Left, Right, Center };

} // namespace zel::platform
