#pragma once
// Colours as the system names them: plain colours hold 0x00BBGGRR, system
// colours hold a palette index with the top byte set. Painting turns them
// into QColors through the platform palette, read once.

#include <QColor>
#include <cstdint>

namespace zel {

using TColor = std::int32_t;

constexpr TColor RGBColor(int r, int g, int b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}

inline constexpr TColor clBlack = RGBColor(0, 0, 0);
inline constexpr TColor clMaroon = RGBColor(128, 0, 0);
inline constexpr TColor clGreen = RGBColor(0, 128, 0);
inline constexpr TColor clNavy = RGBColor(0, 0, 128);
inline constexpr TColor clGray = RGBColor(128, 128, 128);
inline constexpr TColor clSilver = RGBColor(192, 192, 192);
inline constexpr TColor clRed = RGBColor(255, 0, 0);
inline constexpr TColor clYellow = RGBColor(255, 255, 0);
inline constexpr TColor clBlue = RGBColor(0, 0, 255);
inline constexpr TColor clWhite = RGBColor(255, 255, 255);

namespace detail {
constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}
} // namespace detail

inline constexpr TColor clBackground = detail::SystemColor(1);
inline constexpr TColor clActiveCaption = detail::SystemColor(2);
inline constexpr TColor clWindow = detail::SystemColor(5);
inline constexpr TColor clWindowFrame = detail::SystemColor(6);
inline constexpr TColor clWindowText = detail::SystemColor(8);
inline constexpr TColor clHighlight = detail::SystemColor(13);
inline constexpr TColor clHighlightText = detail::SystemColor(14);
inline constexpr TColor clBtnFace = detail::SystemColor(15);
inline constexpr TColor clBtnShadow = detail::SystemColor(16);
inline constexpr TColor clGrayText = detail::SystemColor(17);
inline constexpr TColor clBtnText = detail::SystemColor(18);
inline constexpr TColor clBtnHighlight = detail::SystemColor(20);
inline constexpr TColor cl3DDkShadow = detail::SystemColor(21);
inline constexpr TColor cl3DLight = detail::SystemColor(22);
inline constexpr TColor clInfoText = detail::SystemColor(23);
inline constexpr TColor clInfoBk = detail::SystemColor(24);

constexpr bool IsSystemColor(TColor color) {
    return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}

// The QColor to paint with. System colours come from the application
// palette as it was the first time one was asked for.
QColor ColorToQColor(TColor color);

} // namespace zel
