#pragma once
// The clipboard's plain text in code page 932.

#include "platform/cp932.h"

#include <optional>
#include <string>

namespace zel::platform {

// The text on the clipboard, empty when it holds none, telling which
// characters code page 932 could not hold; nothing when the clipboard
// cannot be opened at all.
std::optional<cp932::TCheckedText> ClipboardCheckedText();

} // namespace zel::platform
