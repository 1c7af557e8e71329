#pragma once
// Code page 932 (Shift-JIS) text: every text the system stores, compares or
// splits is a byte string in this code page; positions and lengths count
// bytes. Conversion to Unicode happens only at the edges, through here.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zel::cp932 {

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
constexpr bool IsLeadByte(char b) {
    return IsLeadByte(static_cast<unsigned char>(b));
}

// Length in bytes of the character starting at `pos`: 2 for a lead byte
// followed by another byte, else 1. A lead byte at the very end counts as 1.
std::size_t CharLength(std::string_view text, std::size_t pos);

// Byte offset of the first occurrence of `needle` at or after `from` that
// starts on a character boundary, or npos. `from` must itself be a character
// boundary (0, or the end of an earlier match or character): the scan starts
// there instead of at byte 0, so a caller walking through a text stays
// linear. A match never starts on the trail byte of a double-byte
// character. An empty needle is never found.
std::size_t Find(std::string_view haystack, std::string_view needle, std::size_t from = 0);

// Byte offset of the last character of `text`, or npos when empty.
std::size_t LastCharPos(std::string_view text);

// The longest prefix of at most `maxBytes` bytes that does not end inside a
// double-byte character.
std::string_view TruncateBytes(std::string_view text, std::size_t maxBytes);

// UTF-8 <-> code page 932. ASCII is unchanged (0x5C stays a backslash, 0x7E
// a tilde); characters code page 932 cannot hold become "?"; bytes that are
// not valid code page 932 become U+FFFD.
std::string ToUtf8(std::string_view sjis);
std::string FromUtf8(std::string_view utf8);

// A character that code page 932 cannot hold, met while converting to it.
struct TUnheldChar {
    std::size_t Offset = 0; // where its "?" stands in the converted text
    std::string Utf8;       // the character as it was given
    char32_t CodePoint = 0; // shown too: fonts often have no glyph for these
    std::string Substitute; // a well-known form code page 932 holds, or empty
};

// A conversion that says what it could not hold, so that no "?" goes out
// unnoticed.
struct TCheckedText {
    std::string Text;                // "?" in place of each unheld character
    std::vector<TUnheldChar> Unheld; // in text order
};

// As FromUtf8, telling which characters became "?". Variation selectors
// are dropped, not reported: the character before them prints as meant.
TCheckedText FromUtf8Checked(std::string_view utf8);

// The converted text with every substitute in place of its "?"; characters
// without one stay "?".
std::string WithSubstitutes(const TCheckedText& checked);

// The system's own texts are written once, as UTF-8 literals, and converted
// here (converted once and cached, so a reference stays valid).
const std::string& Sys(const char* utf8Literal);

} // namespace zel::cp932
