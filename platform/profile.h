#pragma once
// Private profile (INI) files, read and written key by key. Section and key
// names match without regard to ASCII case; blanks around names and values
// are ignored and one pair of matching quotes around a value is removed;
// other bytes, code page 932 included, pass through unchanged. Lines end in
// CR LF when written and in CR LF, LF or CR when read.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zel::platform {

// Longest value a read hands back, in bytes (never half a character).
inline constexpr std::size_t kProfileValueLimit = 2047;

// The value of `key` in `section` of the file, or `fallback` when the file,
// the section or the key is absent. A key with an empty value is present.
std::string GetProfileString(std::string_view section, std::string_view key,
                             std::string_view fallback, std::string_view path);

// Stores the value, creating file, section and key as needed. The file is
// replaced as a whole through a temporary file in the same folder, so a
// failed write leaves the old file as it was. False on failure.
bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view path);

// The same rules on file contents in memory.
std::optional<std::string> ProfileLookup(std::string_view contents, std::string_view section,
                                         std::string_view key);
std::string ProfileUpdate(std::string_view contents, std::string_view section, std::string_view key,
                          std::string_view value);

} // namespace zel::platform
