#pragma once
// The clipboard's plain text in code page 932.

#include "platform/cp932.h"

#include <optional>
#include <string>

namespace zel::platform {

// The text on the clipboard, empty when it holds none; nothing when the
// clipboard cannot be opened at all.
std::optional<std::string> ClipboardText();
// The same, telling which characters code page 932 could not hold.
std::optional<cp932::TCheckedText> ClipboardCheckedText();

// Puts text on the clipboard; false when the clipboard cannot be opened.
bool SetClipboardText(const std::string& text);

} // namespace zel::platform
