#include "framework/string_list.h"
#include "tests/support/error_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace zel {
namespace {

using Lines = std::vector<std::string>;

Lines LinesOf(const TStringList& list) {
    Lines lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list.Strings(i));
    return lines;
}

// The lines of a list that held a stale line, after `text` is assigned as
// its Text or as its CommaText.
Lines Split(const std::string& text, bool comma) {
    TStringList list;
    list.Add("stale");
    comma ? list.SetCommaText(text) : list.SetText(text);
    return LinesOf(list);
}

struct SplitCase {
    const char* name;
    std::string text;
    Lines expected;
};

TEST(StringList, TextAssignmentSplitsIntoLines) {
    const SplitCase cases[] = {
        {"empty", "", {}},
        {"CR LF", "a\r\nb\r\nc", {"a", "b", "c"}},
        {"lone CR", "a\rb", {"a", "b"}},
        {"lone LF", "a\nb", {"a", "b"}},
        {"a trailing break adds no line", "a\r\nb\r\n", {"a", "b"}},
        {"LF then CR leaves an empty line", "a\n\rb", {"a", "", "b"}},
        {"two CRs then LF", "a\r\r\nb", {"a", "", "b"}},
        {"only a break", "\r\n", {""}},
        {"NUL ends the text", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {"tabs stay in lines", "1\t2\t3\r\n", {"1\t2\t3"}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(Split(c.text, false), c.expected) << c.name;
}

TEST(StringList, CommaTextAssignmentSplitsIntoFields) {
    const std::string ideographicSpace = "\x81\x40";
    const std::string yamada = cp932::FromUtf8("山田");
    const std::string taro = cp932::FromUtf8("太郎");
    // "ソ" is 0x83 0x5C: a trail byte that is no blank and no separator.
    const std::string so = "\x83\x5C";
    const SplitCase cases[] = {
        {"empty", "", {}},
        {"only blanks", " \t ", {}},
        {"three fields", "1001,Yamada,Hall", {"1001", "Yamada", "Hall"}},
        {"empty field between commas", "a,,c", {"a", "", "c"}},
        {"leading comma", ",a", {"", "a"}},
        {"a trailing comma adds nothing", "a,b,", {"a", "b"}},
        {"a blank splits an unquoted field", "1,Yamada Taro,Hall", {"1", "Yamada", "Taro", "Hall"}},
        {"blanks around commas are skipped", " a , b ", {"a", "b"}},
        {"control bytes are blanks", "a\001b\037c", {"a", "b", "c"}},
        {"the ideographic space is no blank",
         yamada + ideographicSpace + taro,
         {yamada + ideographicSpace + taro}},
        {"trail bytes are never separators", so + "," + so, {so, so}},
        {"quoted", "\"a,b c\",d", {"a,b c", "d"}},
        {"doubled quote", "\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"empty quotes", "\"\",x", {"", "x"}},
        {"text after the closing quote starts a field", "\"ab\"cd", {"ab", "cd"}},
        {"unterminated loses its last character", "x,\"abc", {"x", "ab"}},
        {"unterminated with one character is empty", "\"a", {""}},
        {"unterminated alone is empty", "\"", {""}},
        {"unterminated drops a whole double-byte character", "\"a" + so, {"a"}},
        {"quoted double-byte", "\"" + yamada + " " + taro + "\"", {yamada + " " + taro}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(Split(c.text, true), c.expected) << c.name;
}

TEST(StringList, CommaTextQuotesWhatWouldNotSplitBack) {
    // A quote in a double-byte character's second byte (0x9F 0x22 is no
    // valid character, yet reading takes the two together) is no quote.
    const std::string leadQuote = "\x9F\x22";
    const struct {
        const char* name;
        Lines items;
        std::string commaText;
        std::optional<Lines> readBack = {}; // when not the items themselves
    } cases[] = {
        {"plain and quoted", {"a", "b c", "", "x\"y", "1,2"}, "a,\"b c\",,\"x\"\"y\",\"1,2\""},
        {"one empty line is not an empty list", {""}, "\"\""},
        {"an empty last item is lost", {"a", ""}, "a,", Lines{"a"}},
        {"second byte 0x22 before a comma", {leadQuote + ","}, "\"" + leadQuote + ",\""},
        {"second byte 0x22 in a field", {leadQuote + " b", "c"}, "\"" + leadQuote + " b\",c"},
    };
    for (const auto& c : cases) {
        TStringList list;
        for (const std::string& item : c.items)
            list.Add(item);
        EXPECT_EQ(list.CommaText(), c.commaText) << c.name;
        TStringList back;
        back.SetCommaText(list.CommaText());
        EXPECT_EQ(LinesOf(back), c.readBack.value_or(c.items)) << c.name;
    }
}

TEST(StringList, IndexErrorsCarryTheIndex) {
    TStringList list;
    EXPECT_EQ(test::ErrorOf<EListError>([&] { list.Strings(0); }),
              "リストのインデックスが範囲を超えています (0)");
    list.Add("a");
    EXPECT_THROW(list.Strings(-1), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Insert(2, "x"), EListError);
    EXPECT_NO_THROW(list.Insert(1, "b"));
}

TEST(StringList, TextJoinsWithCrLfAndAssignCopiesObjects) {
    TStringList list;
    int marker = 0;
    list.Add("a");
    list.AddObject("b", &marker);
    EXPECT_EQ(list.Text(), "a\r\nb\r\n");
    TStringList copy;
    copy.Add("old");
    copy.Assign(list);
    EXPECT_EQ(LinesOf(copy), LinesOf(list));
    EXPECT_EQ(copy.Objects(1), &marker);
    EXPECT_EQ(std::pair(copy.IndexOf("b"), copy.IndexOf("c")), std::pair(1, -1));
}

// A list that records when its update state changes.
class TRecordingList : public TStringList {
public:
    std::vector<bool> states;

protected:
    void SetUpdateState(bool updating) override { states.push_back(updating); }
};

TEST(StringList, AssignmentsRunInsideOneUpdateBracket) {
    TRecordingList list;
    list.SetText("a\r\nb");
    list.SetCommaText("a,b");
    list.BeginUpdate();
    list.BeginUpdate();
    list.EndUpdate();
    list.EndUpdate();
    EXPECT_EQ(list.states, (std::vector<bool>{true, false, true, false, true, false}));
}

} // namespace
} // namespace zel
