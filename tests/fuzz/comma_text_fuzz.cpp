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

TStringList ListOf(const Items& items) {
    TStringList list;
    for (const std::string& item : items)
        list.Add(item);
    return list;
}

void CheckCommaTextRoundTrip(const Items& items) {
    TStringList back;
    back.SetCommaText(ListOf(items).CommaText());
    Items expected = items;
    if (expected.size() > 1 && expected.back().empty())
        expected.pop_back();
    FUZZ_CHECK(ItemsOf(back) == expected, "CommaText does not read back");
}

void CheckTextRoundTrip(const Items& items) {
    TStringList back;
    back.SetText(ListOf(items).Text());
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
    if (AllWhole(ItemsOf(fields)))
        CheckCommaTextRoundTrip(ItemsOf(fields));

    TStringList lines;
    lines.SetText(raw);
    CheckTextRoundTrip(ItemsOf(lines));
    if (AllWhole(ItemsOf(lines)))
        CheckCommaTextRoundTrip(ItemsOf(lines));

    // As the clipboard hands text over: Unicode converted to code page 932.
    const std::string converted = zel::cp932::FromUtf8(raw);
    FUZZ_CHECK(WholeCharacters(converted), "the conversion left half a character");
    lines.SetText(converted);
    const Items convertedLines = ItemsOf(lines);
    for (const std::string& line : convertedLines)
        FUZZ_CHECK(WholeCharacters(line), "a line ends in half a character");
    CheckCommaTextRoundTrip(convertedLines);
    // A pasted row: one line's fields.
    if (!convertedLines.empty()) {
        fields.SetCommaText(convertedLines.front());
        CheckCommaTextRoundTrip(ItemsOf(fields));
    }
    return 0;
}
