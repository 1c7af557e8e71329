// Edit masks: the widget's mask they become, what the widget is given to
// show for a stored text, and what its shown text reads back as.

#include "grid/core/edit_mask.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

std::string Sjis(const std::string& utf8) {
    return cp932::FromUtf8(utf8);
}
std::string Utf8(const std::string& sjis) {
    return cp932::ToUtf8(sjis);
}

constexpr const char* kShortDate = "!99/99/00;1;_";
constexpr const char* kLongDate = "!9999年99月00日;1;_";

TEST(EditMask, BecomesTheWidgetsMask) {
    struct Case {
        const char *Mask, *Widget;
    } cases[] = {
        // Every position is one the widget lets stay blank ("0", not its
        // required "9"): a required one would refuse a stored blank and
        // move the rest of the text forward.
        {kShortDate, "00/00/00;_"},
        {kLongDate, "0000年00月00日;_"},
        // Letters the widget would read as positions are escaped.
        {"LL-00;1;*", "aa-00;*"},
        {"a\\9x;0", "n\\9\\x;_"},
        // The widget ends a mask at any ";": such a mask is not applied.
        {"\\;00;1;_", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8(TEditMask(Sjis(c.Mask)).WidgetMask()), c.Widget) << c.Mask;
}

TEST(EditMask, ShownAndReadBack) {
    struct Case {
        const char *Mask, *Stored, *Shown, *ReadBack;
    } cases[] = {
        // Untouched dates read back as blanks, not as nothing.
        {kShortDate, "  /  /  ", "__/__/__", "  /  /  "},
        {kShortDate, "", "__/__/__", "  /  /  "},
        {kShortDate, "24/ 1/05", "24/_1/05", "24/ 1/05"},
        {kLongDate, "    年  月  日", "____年__月__日", "    年  月  日"},
        {kLongDate, "2024年 1月 5日", "2024年_1月_5日", "2024年 1月 5日"},
        // A date longer than the mask is handed over whole, not cut.
        {kShortDate, "2024/01/05", "2024/01/05", nullptr},
        // Without kept literals the text holds the typed positions only.
        {"00-00;0;_", "12 4", "12-_4", "12 4"},
    };
    for (const Case& c : cases) {
        const TEditMask mask(Sjis(c.Mask));
        EXPECT_EQ(Utf8(mask.Shown(Sjis(c.Stored))), c.Shown) << c.Mask << " " << c.Stored;
        if (c.ReadBack) {
            EXPECT_EQ(Utf8(mask.ReadBack(Sjis(c.Shown))), c.ReadBack) << c.Mask << " " << c.Shown;
        }
    }
}

} // namespace
} // namespace zel
