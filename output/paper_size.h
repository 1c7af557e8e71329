#pragma once
// Paper sizes as the device knows them: the device's paper codes, and the
// page a paper size gives in either orientation.

#include "report/paper_sizes.h"

#include <optional>

namespace zel {

// 0 for Default up to 26 for ESheet, in the order of TQRPaperSize; Custom
// is the device's user-defined size.
inline constexpr int kCustomPaperCode = 256;

int PaperSizeCode(TQRPaperSize size);
// The first paper size whose code is `code`; nothing for a code none has.
std::optional<TQRPaperSize> PaperSizeOfCode(int code);

// Width and length of a page in tenths of a millimetre.
struct TPaperExtent {
    int Width = 0;
    int Length = 0;
    bool operator==(const TPaperExtent&) const = default;
};

// The page a paper size gives: a named size's table dimensions, swapped in
// landscape; Custom is `width` x `length` as given, in either orientation;
// Default is the device's own page `width` x `length`, laid with its longer
// side down in portrait and across in landscape, since the device reports it
// the way it lay when it was read.
TPaperExtent PaperExtent(TQRPaperSize size, TPrinterOrientation orientation, int width, int length);

} // namespace zel
