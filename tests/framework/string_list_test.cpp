#include "framework/exceptions.h"
#include "framework/string_list.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text;
    Lines expected;
};

class TextAssignment : public testing::TestWithParam<SplitCase> {};

TEST_P(TextAssignment, SplitsIntoLines) {
    TStringList list;
    list.Add("stale");
    list.SetText(GetParam().text);
    Lines got;
    for (int i = 0; i < list.Count(); ++i)
        got.push_back(list.Strings(i));
    EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    StringList, TextAssignment,
    testing::Values(SplitCase{"Empty", "", {}}, SplitCase{"CrLf", "a\r\nb\r\nc", {"a", "b", "c"}},
                    SplitCase{"LoneCr", "a\rb", {"a", "b"}},
                    SplitCase{"LoneLf", "a\nb", {"a", "b"}},
                    SplitCase{"TrailingBreakAddsNoLine", "a\r\nb\r\n", {"a", "b"}},
                    SplitCase{"LfThenCrLeavesEmptyLine", "a\n\rb", {"a", "", "b"}},
                    SplitCase{"TwoCrsThenLf", "a\r\r\nb", {"a", "", "b"}},
                    SplitCase{"BlankLineInTheMiddle", "a\r\n\r\nb", {"a", "", "b"}},
                    SplitCase{"OnlyABreak", "\r\n", {""}},
                    SplitCase{"NulEndsTheText", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
                    SplitCase{"TabsStayInLines", "1\t2\t3\r\n", {"1\t2\t3"}}),
    [](const auto& info) { return std::string(info.param.name); });

class CommaTextAssignment : public testing::TestWithParam<SplitCase> {};

TEST_P(CommaTextAssignment, SplitsIntoFields) {
    TStringList list;
    list.SetCommaText(GetParam().text);
    Lines got;
    for (int i = 0; i < list.Count(); ++i)
        got.push_back(list.Strings(i));
    EXPECT_EQ(got, GetParam().expected);
}

const std::string kSpaceIdeographic = "\x81\x40"; // full-width space
const std::string kYamada = cp932::FromUtf8("山田");
const std::string kTaro = cp932::FromUtf8("太郎");
// "ソ" (0x83 0x5C) and "ー" (0x81 0x5B): trail bytes that are not blanks,
// and "\x81\x40" whose trail byte is 0x40.
const std::string kSo = "\x83\x5C";

INSTANTIATE_TEST_SUITE_P(
    StringList, CommaTextAssignment,
    testing::Values(SplitCase{"Empty", "", {}}, SplitCase{"OnlyBlanks", " \t ", {}},
                    SplitCase{"ThreeFields", "1001,Yamada,Hall", {"1001", "Yamada", "Hall"}},
                    SplitCase{"EmptyFieldBetweenCommas", "a,,c", {"a", "", "c"}},
                    SplitCase{"LeadingComma", ",a", {"", "a"}},
                    SplitCase{"TrailingCommaAddsNothing", "a,b,", {"a", "b"}},
                    SplitCase{"BlankSplitsAnUnquotedField",
                              "1,Yamada Taro,Hall",
                              {"1", "Yamada", "Taro", "Hall"}},
                    SplitCase{"BlanksAroundCommasAreSkipped", " a , b ", {"a", "b"}},
                    SplitCase{"ControlBytesAreBlanks",
                              "a\x01"
                              "b\x1F"
                              "c",
                              {"a", "b", "c"}},
                    SplitCase{"IdeographicSpaceIsNotABlank",
                              kYamada + kSpaceIdeographic + kTaro,
                              {kYamada + kSpaceIdeographic + kTaro}},
                    SplitCase{"TrailBytesAreNeverSeparators", kSo + "," + kSo, {kSo, kSo}},
                    SplitCase{"Quoted", "\"a,b c\",d", {"a,b c", "d"}},
                    SplitCase{"DoubledQuote", "\"say \"\"hi\"\"\"", {"say \"hi\""}},
                    SplitCase{"EmptyQuotes", "\"\",x", {"", "x"}},
                    SplitCase{"TextAfterClosingQuoteStartsAField", "\"ab\"cd", {"ab", "cd"}},
                    SplitCase{"UnterminatedLosesItsLastCharacter", "x,\"abc", {"x", "ab"}},
                    SplitCase{"UnterminatedWithOneCharacterIsEmpty", "\"a", {""}},
                    SplitCase{"UnterminatedAloneIsEmpty", "\"", {""}},
                    SplitCase{"UnterminatedDropsAWholeDoubleByteCharacter", "\"a" + kSo, {"a"}},
                    SplitCase{"QuotedDoubleByte",
                              "\"" + kYamada + " " + kTaro + "\"",
                              {kYamada + " " + kTaro}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StringList, CommaTextQuotesWhatWouldNotSplitBack) {
    TStringList list;
    for (const char* s : {"a", "b c", "", "x\"y", "1,2"})
        list.Add(s);
    EXPECT_EQ(list.CommaText(), "a,\"b c\",,\"x\"\"y\",\"1,2\"");
    TStringList back;
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(back.Strings(1), "b c");
    EXPECT_EQ(back.Strings(3), "x\"y");
    EXPECT_EQ(back.Strings(4), "1,2");

    TStringList single;
    single.Add("");
    EXPECT_EQ(single.CommaText(), "\"\"");
}

TEST(StringList, IndexErrorsCarryTheIndex) {
    TStringList list;
    try {
        list.Strings(0);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(cp932::ToUtf8(e.Message()), "リストのインデックスが範囲を超えています (0)");
    }
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
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Strings(1), "b");
    EXPECT_EQ(copy.Objects(1), &marker);
    EXPECT_EQ(copy.IndexOf("b"), 1);
    EXPECT_EQ(copy.IndexOf("c"), -1);
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
