#pragma once
// The page a paper size gives in either orientation, and the paper a page
// of a given size was made for.

#include "page/paper_table.h"

#include <optional>

namespace zel {

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

struct TPageOfPaper {
    TQRPaperSize PaperSize = TQRPaperSize::Default;
    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    bool operator==(const TPageOfPaper&) const = default;
};

// The table's paper size of a page width x height pixels drawn at `factor`
// pixels per tenth of a millimetre, compared in whole units of 4 mm so that
// pixel rounding does not matter; nothing when no row matches. Rows that
// share a size give the last of them, and a square one reads as landscape.
std::optional<TPageOfPaper> PaperOfPage(int width, int height, long double factor);

} // namespace zel
