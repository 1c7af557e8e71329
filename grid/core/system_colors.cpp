#include "grid/core/system_colors.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace zel {
namespace {

constexpr std::size_t kSystemColorCount = 25;

std::array<QColor, kSystemColorCount> ReadPalette() {
    const QPalette p = QGuiApplication::palette();
    std::array<QColor, kSystemColorCount> colors;
    colors.fill(p.color(QPalette::Window));
    auto set = [&](TColor c, QPalette::ColorRole role) {
        colors[static_cast<std::size_t>(c & 0xFF)] = p.color(QPalette::Active, role);
    };
    set(clBackground, QPalette::Window);
    set(clActiveCaption, QPalette::Highlight);
    set(clWindow, QPalette::Base);
    set(clWindowFrame, QPalette::Shadow);
    set(clWindowText, QPalette::Text);
    set(clHighlight, QPalette::Highlight);
    set(clHighlightText, QPalette::HighlightedText);
    set(clBtnFace, QPalette::Button);
    set(clBtnShadow, QPalette::Dark);
    set(clBtnText, QPalette::ButtonText);
    set(clBtnHighlight, QPalette::Light);
    set(cl3DDkShadow, QPalette::Shadow);
    set(cl3DLight, QPalette::Midlight);
    set(clInfoText, QPalette::ToolTipText);
    set(clInfoBk, QPalette::ToolTipBase);
    colors[static_cast<std::size_t>(clGrayText & 0xFF)] =
        p.color(QPalette::Disabled, QPalette::Text);
    return colors;
}

} // namespace

QColor ColorToQColor(TColor color) {
    if (!IsSystemColor(color)) {
        const auto v = static_cast<std::uint32_t>(color);
        return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                      static_cast<int>((v >> 16) & 0xFF));
    }
    static const std::array<QColor, kSystemColorCount> palette = ReadPalette();
    const auto index = static_cast<std::size_t>(color & 0xFF);
    return index < palette.size() ? palette[index] : palette[static_cast<std::size_t>(5)];
}

} // namespace zel
