#include "platform/profile.h"

#include "platform/cp932.h"
#include "platform/file_system.h"
#include "platform/profile_encoding.h"

#include <vector>

namespace zel::platform {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// ASCII letters match in either case; double-byte characters match exactly,
// so a trail byte that happens to be a letter is never folded.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t len = cp932::CharLength(a, i);
        if (len == 2) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
        } else if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
        i += len;
    }
    return true;
}

// Calls `visit` with each line until it returns true; lines end in CR LF,
// LF or CR. Lookups walk the file this way without collecting its lines.
template <typename Visit> void ForEachLine(std::string_view contents, Visit visit) {
    std::size_t pos = 0;
    while (pos < contents.size()) {
        const std::size_t end = contents.find_first_of("\r\n", pos);
        const std::size_t stop = end == std::string_view::npos ? contents.size() : end;
        if (visit(contents.substr(pos, stop - pos)))
            return;
        pos = stop;
        if (pos < contents.size() && contents[pos] == '\r')
            ++pos;
        if (pos < contents.size() && contents[pos] == '\n')
            ++pos;
    }
}

std::vector<std::string_view> Lines(std::string_view contents) {
    std::vector<std::string_view> lines;
    ForEachLine(contents, [&lines](std::string_view line) {
        lines.push_back(line);
        return false;
    });
    return lines;
}

// "[name]" gives name; anything else gives nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return Trim(line.substr(1));
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const std::size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return KeyLine{Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A line break inside a value would end the line early and could smuggle
// in keys or sections of its own, so it is written as a blank.
std::string OneLine(std::string_view value) {
    std::string out(value.substr(0, value.find('\0')));
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

// Reading trims blanks and takes off one pair of matching quotes, so a
// value it would change is written in double quotes, which reading takes
// off again. Any other value keeps its bytes, as earlier versions wrote it.
std::string StoredValue(std::string_view value) {
    std::string line = OneLine(value);
    if (Unquote(Trim(line)) != line)
        return '"' + line + '"';
    return line;
}

} // namespace

std::optional<std::string> ProfileLookup(std::string_view contents, std::string_view section,
                                         std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    bool inSection = false;
    std::optional<std::string> value;
    ForEachLine(contents, [&](std::string_view line) {
        if (const auto name = SectionName(line)) {
            inSection = SameName(*name, section);
            return false;
        }
        if (!inSection)
            return false;
        const auto pair = ParseKeyLine(line);
        if (!pair || !SameName(pair->key, key))
            return false;
        value = std::string(cp932::TruncateBytes(Unquote(pair->value), kProfileValueLimit));
        return true;
    });
    return value;
}

std::string ProfileUpdate(std::string_view contents, std::string_view section, std::string_view key,
                          std::string_view value) {
    const std::vector<std::string_view> lines = Lines(contents);
    const std::string newLine = std::string(key) + "=" + StoredValue(value);

    std::size_t sectionStart = lines.size();  // index of the "[section]" line
    std::size_t lastInSection = lines.size(); // last non-blank line of it
    std::size_t keyLine = lines.size();
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (inSection)
                break; // only the first section of that name counts
            inSection = SameName(*name, Trim(section));
            if (inSection)
                sectionStart = lastInSection = i;
            continue;
        }
        if (!inSection)
            continue;
        if (!Trim(lines[i]).empty())
            lastInSection = i;
        if (const auto pair = ParseKeyLine(lines[i]); pair && SameName(pair->key, Trim(key))) {
            keyLine = i;
            break;
        }
    }

    std::string out;
    auto put = [&out](std::string_view line) {
        out.append(line);
        out += "\r\n";
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        put(i == keyLine ? std::string_view(newLine) : lines[i]);
        if (keyLine == lines.size() && i == lastInSection)
            put(newLine);
    }
    if (sectionStart == lines.size()) {
        if (!lines.empty() && !Trim(lines.back()).empty())
            put("");
        std::string header(1, '[');
        header.append(section).push_back(']');
        put(header);
        put(newLine);
    }
    return out;
}

TProfileText ProfileReadText(std::optional<std::string_view> contents, std::string_view section,
                             std::string_view key, std::string_view fallback) {
    const auto fallbackText = [&] {
        return TProfileText{std::string(cp932::TruncateBytes(fallback, kProfileValueLimit)), true};
    };
    if (!contents)
        return fallbackText();
    if (!LooksLikeUtf8(*contents)) {
        const std::optional<std::string> value = ProfileLookup(*contents, section, key);
        if (!value)
            return fallbackText();
        return {*value, cp932::FromUtf8(cp932::ToUtf8(*value)) == *value};
    }
    // The names are ASCII, so the lines and names read the same in UTF-8;
    // only the value is converted.
    std::string_view utf8 = *contents;
    if (utf8.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        utf8.remove_prefix(kUtf8Bom.size());
    const std::optional<std::string> value = ProfileLookup(utf8, section, key);
    if (!value)
        return fallbackText();
    const cp932::TCheckedText checked = cp932::FromUtf8Checked(*value);
    return {std::string(cp932::TruncateBytes(checked.Text, kProfileValueLimit)),
            checked.Unheld.empty()};
}

TProfileText GetProfileText(std::string_view section, std::string_view key,
                            std::string_view fallback, std::string_view path) {
    const std::optional<std::string> contents = ReadFileBytes(path);
    return ProfileReadText(contents ? std::optional<std::string_view>(*contents) : std::nullopt,
                           section, key, fallback);
}

std::string GetProfileString(std::string_view section, std::string_view key,
                             std::string_view fallback, std::string_view path) {
    return GetProfileText(section, key, fallback, path).Text;
}

std::string ProfileWriteContents(std::string_view contents, std::string_view section,
                                 std::string_view key, std::string_view value) {
    if (!LooksLikeUtf8(contents))
        return ProfileUpdate(contents, section, key, value);
    const bool bom = contents.starts_with(kUtf8Bom);
    std::string_view utf8 = contents;
    if (bom)
        utf8.remove_prefix(kUtf8Bom.size());
    const cp932::TCheckedText checked = cp932::FromUtf8Checked(utf8);
    if (checked.Unheld.empty())
        return ProfileUpdate(checked.Text, section, key, value);
    // Code page 932 would lose some of it: the file stays UTF-8.
    const std::string updated = ProfileUpdate(utf8, section, key, cp932::ToUtf8(value));
    return bom ? std::string(kUtf8Bom) + updated : updated;
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view path) {
    std::string contents;
    if (FileExists(path)) {
        std::optional<std::string> old = ReadFileBytes(path);
        if (!old)
            return false; // never replace a file we could not read
        // No text profile holds a NUL: this is UTF-16 (as some editors save
        // "Unicode") or not text at all, and a line-by-line rewrite would
        // garble it. It is left as it is; the write fails.
        if (old->find('\0') != std::string::npos)
            return false;
        contents = std::move(*old);
    }
    return ReplaceFileContents(path, ProfileWriteContents(contents, section, key, value));
}

} // namespace zel::platform
