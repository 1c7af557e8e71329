#include "output/paper_size.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zel {
namespace {

constexpr int kLastTableCode = static_cast<int>(TQRPaperSize::ESheet);

int Tenths(long double millimetres) {
    return static_cast<int>(std::nearbyint(millimetres * 10)); // halves to even
}

} // namespace

int PaperSizeCode(TQRPaperSize size) {
    return size == TQRPaperSize::Custom ? kCustomPaperCode : static_cast<int>(size);
}

std::optional<TQRPaperSize> PaperSizeOfCode(int code) {
    if (code == kCustomPaperCode)
        return TQRPaperSize::Custom;
    if (code < 0 || code > kLastTableCode)
        return std::nullopt;
    return static_cast<TQRPaperSize>(code);
}

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

} // namespace zel
