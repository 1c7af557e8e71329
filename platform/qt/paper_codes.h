#pragma once
// Paper codes to Qt page sizes and back, matched by dimensions.

#include <QPageSize>
#include <QSizeF>
#include <optional>

namespace zel::platform {

// The Qt page size of a paper code the system knows; nothing for others.
std::optional<QPageSize> PageSizeOfCode(int code);
// The first paper code whose portrait dimensions are the page size's
// (within a millimetre, as spoolers round sizes to points); nothing when none is.
std::optional<int> CodeOfPageSize(const QPageSize& size);

} // namespace zel::platform
