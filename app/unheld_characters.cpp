#include "app/unheld_characters.h"

#include "app/message_box.h"
#include "framework/messages.h"
#include "framework/string_list.h"

#include <algorithm>
#include <cstdio>

namespace zel::app {

namespace {

// A message piece with its one number filled in, kept in UTF-8 because the
// list it belongs to holds characters code page 932 has no place for.
std::string WithNumber(const char* utf8Pattern, std::size_t number) {
    std::string text = utf8Pattern;
    const std::size_t at = text.find("%d");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(number));
    return text;
}

} // namespace

std::vector<TUnheldPlace> UnheldPlacesInPaste(const cp932::TCheckedText& pasted) {
    std::vector<TUnheldPlace> places;
    const std::vector<std::string_view> lines = SplitLines(pasted.Text);
    // Both run in text order: one walk through the lines.
    std::size_t line = 0;
    for (const cp932::TUnheldChar& unheld : pasted.Unheld) {
        while (line < lines.size() &&
               static_cast<std::size_t>(lines[line].data() - pasted.Text.data()) +
                       lines[line].size() <=
                   unheld.Offset)
            ++line;
        if (line == lines.size())
            break; // after a NUL, which ends the pasted text
        places.push_back(
            {static_cast<int>(line) + 1, unheld.Utf8, unheld.CodePoint, unheld.Substitute});
    }
    return places;
}

std::vector<TUnheldPlace> UnheldPlacesFrom(const cp932::TCheckedText& text, int row) {
    std::vector<TUnheldPlace> places = UnheldPlacesInPaste(text);
    for (TUnheldPlace& place : places)
        place.Row += row - 1;
    return places;
}

std::string UnheldPlacesText(const std::vector<TUnheldPlace>& places, std::size_t listed) {
    std::string text;
    const std::size_t shown = std::min(listed, places.size());
    for (std::size_t i = 0; i < shown; ++i) {
        const TUnheldPlace& place = places[i];
        char codePoint[16];
        std::snprintf(codePoint, sizeof codePoint, " (U+%04X)",
                      static_cast<unsigned>(place.CodePoint));
        text += WithNumber(msg::kRowNumber, static_cast<std::size_t>(place.Row)) + ": " +
                place.Utf8 + codePoint;
        if (!place.Substitute.empty())
            text += " → " + cp932::ToUtf8(place.Substitute);
        text += "\n";
    }
    if (places.size() > shown)
        text += WithNumber(msg::kMoreFindings, places.size() - shown) + "\n";
    if (!text.empty())
        text.pop_back();
    return text;
}

bool TellUnheldCharacters(const std::vector<TUnheldPlace>& places) {
    if (places.empty())
        return false;
    const std::string detail = UnheldPlacesText(places);
    const bool substitutes = std::any_of(
        places.begin(), places.end(), [](const TUnheldPlace& p) { return !p.Substitute.empty(); });
    const std::string& text = cp932::Sys(msg::kUnheldCharacters);
    if (!substitutes) {
        ShowMessageBox({cp932::Sys(msg::kMsgDlgWarning), text, TMsgDlgType::mtWarning,
                        TMsgDlgButtons::mbOK, detail});
        return false;
    }
    return AskYesNo(text + "\n" + cp932::Sys(msg::kOfferSubstitutes), detail,
                    TMsgDlgType::mtWarning);
}

} // namespace zel::app
