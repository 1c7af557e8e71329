#pragma once
// The system names its fonts by their Windows faces; Qt finds the
// metric-compatible IPA fonts under those names once these are installed.

#include <QFont>
#include <string_view>

namespace zel::platform {

void InstallFontFaceSubstitutions();

// A QFont for a face name (code page 932) and a height in pixels, the way
// the system gives fonts: a negative height is the character height.
QFont MakeFont(std::string_view faceName, int height);

} // namespace zel::platform
