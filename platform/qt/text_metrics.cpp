#include "platform/text_metrics.h"

#include "platform/qt/canvas_font.h"
#include "platform/qt/qstring_text.h"

#include <QFontMetrics>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace zel::platform {
namespace {

struct TTextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};

// One font's metrics and the widths measured in it. A run measures the
// same captions, digits and the letter "W" for line heights again and
// again; shaping each anew cost half the time of making a page.
struct TMeasuredFont {
    TFontSpec Described;
    QFontMetrics Metrics;
    std::unordered_map<std::string, int, TTextHash, std::equal_to<>> Widths;
};

constexpr std::size_t kMaxFonts = 16;
constexpr std::size_t kMaxWidthsPerFont = 8192;

TMeasuredFont& MeasuredFont(const TFontSpec& font) {
    thread_local std::vector<std::unique_ptr<TMeasuredFont>> fonts;
    for (const auto& measured : fonts)
        if (SameQFont(measured->Described, font))
            return *measured;
    if (fonts.size() == kMaxFonts)
        fonts.erase(fonts.begin());
    fonts.push_back(
        std::make_unique<TMeasuredFont>(TMeasuredFont{font, QFontMetrics(ToQFont(font)), {}}));
    return *fonts.back();
}

} // namespace

TSize MeasureText(const TFontSpec& font, std::string_view text) {
    TMeasuredFont& measured = MeasuredFont(font);
    const int height = measured.Metrics.height();
    if (text.empty())
        return {0, height};
    if (const auto known = measured.Widths.find(text); known != measured.Widths.end())
        return {known->second, height};
    // Names are measured once each; a long list must not grow this for ever.
    if (measured.Widths.size() == kMaxWidthsPerFont)
        measured.Widths.clear();
    const int width = measured.Metrics.horizontalAdvance(cp932::ToQString(text));
    measured.Widths.emplace(text, width);
    return {width, height};
}

} // namespace zel::platform
