// A string list's comma text and lines. Setting CommaText to the list's own
// CommaText gives back the same items (a lone empty last item excepted: a
// comma at the very end adds no field), and so does Text for lines.
//
// Items round-trip through CommaText when they are whole characters, as
// everything that reaches a list from outside is: text converted from
// Unicode (the clipboard, the widgets). Raw bytes may leave an item ending
// in half a character, a lead byte that would take the next separator or
// quote with it: no comma text can carry that, so raw items are checked
// only when whole.

#include "framework/string_list.h"
#include "platform/cp932.h"
#include "tests/fuzz/fuzz_check.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

using zel::TStringList;
using Items = std::vector<std::string>;

Items ItemsOf(const TStringList& list) {
    Items items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.Strings(i));
    return items;
}

// `list` holds `items`; its comma text reads back as the same items.
void CheckCommaTextRoundTrip(const TStringList& list, const Items& items) {
    TStringList back;
    back.SetCommaText(list.CommaText());
    const std::size_t expected =
        items.size() > 1 && items.back().empty() ? items.size() - 1 : items.size();
    FUZZ_CHECK(back.Count() == static_cast<int>(expected), "CommaText does not read back");
    for (std::size_t i = 0; i < expected; ++i)
        FUZZ_CHECK(back.Strings(static_cast<int>(i)) == items[i], "CommaText does not read back");
}

void CheckTextRoundTrip(const TStringList& list, const Items& items) {
    TStringList back;
    back.SetText(list.Text());
    FUZZ_CHECK(ItemsOf(back) == items, "Text does not read back");
}

// No lead byte without the byte it takes along.
bool WholeCharacters(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); i += zel::cp932::CharLength(text, i))
        if (zel::cp932::IsLeadByte(text[i]) && i + 1 == text.size())
            return false;
    return true;
}

bool AllWhole(const Items& items) {
    for (const std::string& item : items)
        if (!WholeCharacters(item))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);

    TStringList fields;
    fields.SetCommaText(raw);
    if (const Items items = ItemsOf(fields); AllWhole(items))
        CheckCommaTextRoundTrip(fields, items);

    TStringList lines;
    lines.SetText(raw);
    const Items rawLines = ItemsOf(lines);
    CheckTextRoundTrip(lines, rawLines);
    if (AllWhole(rawLines))
        CheckCommaTextRoundTrip(lines, rawLines);

    // As the clipboard hands text over: Unicode converted to code page 932.
    // ASCII converts to itself, and was checked above.
    const std::string converted = zel::cp932::FromUtf8(raw);
    if (converted == raw)
        return 0;
    FUZZ_CHECK(WholeCharacters(converted), "the conversion left half a character");
    lines.SetText(converted);
    const Items convertedLines = ItemsOf(lines);
    for (const std::string& line : convertedLines)
        FUZZ_CHECK(WholeCharacters(line), "a line ends in half a character");
    CheckCommaTextRoundTrip(lines, convertedLines);
    // A pasted row: one line's fields.
    if (!convertedLines.empty()) {
        fields.SetCommaText(convertedLines.front());
        CheckCommaTextRoundTrip(fields, ItemsOf(fields));
    }
    return 0;
}
