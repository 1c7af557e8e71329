#pragma once
// Text measured the way it will be drawn: through the fonts that the
// system's face names map to.

#include "platform/canvas_types.h"

#include <string_view>

namespace zel::platform {

// Advance width and cell height (ascent plus descent) of code page 932
// text in a font whose Height is in pixels. Empty text has width 0 and the
// font's height. Needs the application object of the Qt side.
TSize MeasureText(const TFontSpec& font, std::string_view text);

} // namespace zel::platform
