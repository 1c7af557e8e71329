#include "page/paper_extent.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zel {
namespace {

int Tenths(long double millimetres) {
    return static_cast<int>(std::nearbyint(millimetres * 10)); // halves to even
}

} // namespace

TPaperExtent PaperExtent(TQRPaperSize size, TPrinterOrientation orientation, int width,
                         int length) {
    const bool landscape = orientation == TPrinterOrientation::poLandscape;
    if (size == TQRPaperSize::Custom)
        return {width, length};
    if (size == TQRPaperSize::Default) {
        const auto [shorter, longer] = std::minmax(width, length);
        return landscape ? TPaperExtent{longer, shorter} : TPaperExtent{shorter, longer};
    }
    TPaperExtent extent{width, length};
    if (const auto table = PaperDimensions(size))
        extent = {Tenths(table->Width), Tenths(table->Length)};
    if (landscape)
        std::swap(extent.Width, extent.Length);
    return extent;
}

std::optional<TPageOfPaper> PaperOfPage(int width, int height, long double factor) {
    if (factor <= 0)
        return std::nullopt;
    const auto fourMillimetres = [](long double tenths) { return std::trunc(tenths / 40); };
    const long double w = fourMillimetres(width / factor);
    const long double h = fourMillimetres(height / factor);
    std::optional<TPageOfPaper> found;
    for (int i = static_cast<int>(TQRPaperSize::Letter);
         i <= static_cast<int>(TQRPaperSize::ESheet); ++i) {
        const auto size = static_cast<TQRPaperSize>(i);
        const auto table = PaperDimensions(size);
        const long double tw = std::trunc(table->Width / 4);
        const long double tl = std::trunc(table->Length / 4);
        if (tw == w && tl == h)
            found = TPageOfPaper{size, TPrinterOrientation::poPortrait};
        if (tw == h && tl == w)
            found = TPageOfPaper{size, TPrinterOrientation::poLandscape};
    }
    return found;
}

} // namespace zel
