#pragma once
// The clipboard's plain text in code page 932.

#include <optional>
#include <string>

namespace zel::platform {

// The text on the clipboard, empty when it holds none; nothing when the
// clipboard cannot be opened at all.
std::optional<std::string> ClipboardText();

// Puts text on the clipboard; false when the clipboard cannot be opened.
bool SetClipboardText(const std::string& text);

} // namespace zel::platform
