#pragma once
// Private profile (INI) files, read and written key by key. Section and key
// names match without regard to ASCII case; blanks around names and values
// are ignored and one pair of matching quotes around a value is removed;
// other bytes, code page 932 included, pass through unchanged. Lines end in
// CR LF when written and in CR LF, LF or CR when read. A file in UTF-8 (see
// profile_encoding.h) is read as UTF-8 and written back in code page 932,
// unless code page 932 cannot hold all of it: then it stays UTF-8, so that
// nothing in it is lost.

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

// A value as read, and whether it is exactly what the file holds. Not exact:
// characters of a UTF-8 file that became "?", or bytes that are no code
// page 932 character. Writing such a value back would change the file.
struct TProfileText {
    std::string Text; // code page 932
    bool Exact = true;
};
TProfileText GetProfileText(std::string_view section, std::string_view key,
                            std::string_view fallback, std::string_view path);

// Stores the value, creating file, section and key as needed. The file is
// replaced as a whole through a temporary file in the same folder, so a
// failed write leaves the old file as it was. False on failure, and for a
// file that is no 8-bit text (a UTF-16 one), which is left alone.
bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view path);

// GetProfileText and WriteProfileString on a file's contents in memory
// (nothing: no file); the file functions only read and replace the file.
TProfileText ProfileReadText(std::optional<std::string_view> contents, std::string_view section,
                             std::string_view key, std::string_view fallback);
std::string ProfileWriteContents(std::string_view contents, std::string_view section,
                                 std::string_view key, std::string_view value);

// The line rules alone, on contents in code page 932 (no UTF-8 detection).
std::optional<std::string> ProfileLookup(std::string_view contents, std::string_view section,
                                         std::string_view key);
std::string ProfileUpdate(std::string_view contents, std::string_view section, std::string_view key,
                          std::string_view value);

} // namespace zel::platform
