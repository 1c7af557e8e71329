#pragma once
// The report's own Units and Zoom fan out to its page and to the Size of
// every band and printable under it. The report passes the holders it has.

#include "report/controls/page_setup.h"

#include <span>

namespace zel {

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 300;

// Sets the unit of the page and of every size holder given.
void SetReportUnits(TQRPage& page, std::span<TQRUnitBase* const> sizes, TQRUnit unit);

// A zoom outside 1 ... 300 is ignored (false). Otherwise every size holder
// takes the zoom and resizes its owner, then the page does, and the report
// re-arranges its bands.
bool SetReportZoom(TQRPage& page, std::span<TQRUnitBase* const> sizes, int zoom);

} // namespace zel
