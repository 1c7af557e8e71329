#pragma once
// The Qt font for a canvas font: the face through the Windows-name mapping,
// the pixel height, the style bits.

#include "platform/canvas_types.h"

#include <QColor>
#include <QFont>

namespace zel::platform {

QFont ToQFont(const TFontSpec& font);
// Whether two font descriptions give the same Qt font: colour and charset
// do not matter.
bool SameQFont(const TFontSpec& a, const TFontSpec& b);
QColor ToQColor(TColor color);

} // namespace zel::platform
