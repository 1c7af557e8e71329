#pragma once
// A font as a column definition keeps it: face, character height, character
// set, colour and style, so that it can be stored by value and compared.
// Painting turns it into a QFont plus a text colour.

#include "grid/core/system_colors.h"
#include "platform/canvas_types.h"

#include <QFont>
#include <cstdint>
#include <string>

namespace zel {

// Heights beyond this are no font a cell can show; they are refused where
// fonts are read and clamped where they are drawn.
inline constexpr int kMaxFontHeight = 32767;

struct TGridFont {
    std::string Name; // code page 932
    int Height = -12; // pixels; negative is the character height
    std::uint8_t Charset = platform::kDefaultCharset;
    TColor Color = clWindowText;
    std::uint8_t Style = 0; // platform::TFontStyle bits
    friend bool operator==(const TGridFont&, const TGridFont&) = default;
};

QFont ToQFont(const TGridFont& font);
// A widget's font as a definition takes it over; widgets paint their text
// in the window text colour.
TGridFont GridFontOf(const QFont& font);

} // namespace zel
