// A profile file read key by key, and a value written into it read back.
// The input is a value and a file: two bytes give the value's length, the
// value follows, the rest is the file.

#include "platform/cp932.h"
#include "platform/profile.h"
#include "platform/profile_encoding.h"
#include "tests/fuzz/fuzz_check.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace zel::platform;

// Where the program keeps the school name.
constexpr std::string_view kSection = "basic";
constexpr std::string_view kKey = "name";

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The first section and key names the file seems to hold, as a reader of the
// file by hand would pick them out. Each is looked up twice over the whole
// file, so a few suffice: which ones is up to the fuzzer.
std::vector<std::pair<std::string, std::string>> Names(std::string_view contents) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    std::size_t pos = 0;
    while (pos < contents.size() && names.size() < 4) {
        std::size_t end = contents.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = contents.size();
        const std::string_view line = Trim(contents.substr(pos, end - pos));
        pos = end + 1;
        if (!line.empty() && line.front() == '[') {
            section = std::string(Trim(line.substr(1, line.find(']') - 1)));
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            names.emplace_back(section, std::string(Trim(line.substr(0, eq))));
        }
    }
    return names;
}

// What reading gives back for a written value: a line break cannot be in
// a line, so it became a blank; a NUL ended the value; the read limit cuts.
std::string ExpectedReadBack(std::string_view value) {
    std::string expected(value.substr(0, value.find('\0')));
    for (char& c : expected)
        if (c == '\r' || c == '\n')
            c = ' ';
    return std::string(zel::cp932::TruncateBytes(expected, kProfileValueLimit));
}

void CheckRead(const TProfileText& read) {
    FUZZ_CHECK(read.Text.size() <= kProfileValueLimit, "a value past the read limit");
    FUZZ_CHECK(zel::cp932::TruncateBytes(read.Text, read.Text.size()).size() == read.Text.size(),
               "a value cut inside a character");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::size_t valueLength = (data[0] | data[1] << 8) % (size - 1);
    const std::string_view value(reinterpret_cast<const char*>(data) + 2, valueLength);
    const std::string_view contents(reinterpret_cast<const char*>(data) + 2 + valueLength,
                                    size - 2 - valueLength);

    const auto names = Names(contents);
    // Reading as the program does: the encoding is the file's, so one key
    // tells it; the line rules are checked for every name below.
    if (!names.empty())
        CheckRead(ProfileReadText(contents, names.front().first, names.front().second, "fallback"));
    std::vector<std::optional<std::string>> before;
    for (const auto& [section, key] : names)
        before.push_back(ProfileLookup(contents, section, key));

    // The line rules: the value reads back, every other key stays.
    const std::string updated = ProfileUpdate(contents, kSection, kKey, value);
    FUZZ_CHECK(ProfileLookup(updated, kSection, kKey) == ExpectedReadBack(value),
               "a written value reads back changed");
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& [section, key] = names[i];
        if (ProfileLookup("[" + section + "]\n" + key + "=", kSection, kKey))
            continue; // the key written, by another spelling
        FUZZ_CHECK(ProfileLookup(updated, section, key) == before[i], "another key changed");
    }

    // The whole file as the program writes and reads it, encoding included.
    const std::string written = ProfileWriteContents(contents, kSection, kKey, value);
    const TProfileText read = ProfileReadText(written, kSection, kKey, "fallback");
    CheckRead(read);
    if (!LooksLikeUtf8(contents) && !LooksLikeUtf8(written))
        FUZZ_CHECK(read.Text == ExpectedReadBack(value), "a written value reads back changed");
    return 0;
}
