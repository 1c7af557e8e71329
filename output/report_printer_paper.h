#pragma once
// The paper a recorded page of a saved report was made for, found from the
// page's size alone.

#include "report/paper_sizes.h"

#include <optional>

namespace zel {

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
