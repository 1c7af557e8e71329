#include "band_test_support.h"
#include "platform/cp932.h"
#include "report/controls/label.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using Lines = std::vector<std::string>;

Lines Sjis(std::initializer_list<const char*> utf8) {
    Lines lines;
    for (const char* line : utf8)
        lines.push_back(cp932::FromUtf8(line));
    return lines;
}

struct FormatCase {
    const char* name;
    const char* caption;
    bool wordWrap;
    Lines expected;
};

// The ticket's name label: 193 pixels wide, 14-point font measured at 9.5
// pixels a byte (plus the one pixel every measured width gets).
class NameLabelFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(NameLabelFormatTest, BreaksTheCaptionIntoLines) {
    const FormatCase& c = GetParam();
    test::TTicketReport ticket;
    TQRLabel* label = ticket.AddNameLabel("");
    label->SetWordWrap(c.wordWrap);
    label->SetCaption(cp932::FromUtf8(c.caption));
    EXPECT_EQ(label->FormattedLines(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, NameLabelFormatTest,
    testing::Values(
        FormatCase{"NameThatFits", "山田　太郎", true, Sjis({"山田　太郎"})},
        // 10 characters are 191 pixels wide, 11 would be 210. The cut word
        // leaves an empty current line behind, which prints nothing.
        FormatCase{"LongNameWithoutSpacesIsCut", "一二三四五六七八九十一二三四五", true,
                   Sjis({"一二三四五六七八九十", ""})},
        FormatCase{"CutNeverEndsInHalfACharacter", "A一二三四五六七八九十一二三四五", true,
                   Sjis({"A一二三四五六七八九", ""})},
        FormatCase{"TwoWordsTwoLinesFirstKeepsItsSpace", "AAAAAAAAAAAAAAA BBBBBBBBBB", true,
                   Sjis({"AAAAAAAAAAAAAAA ", "BBBBBBBBBB"})},
        FormatCase{"WithoutWordWrapOnlyTheFirstLineRemains", "AAAAAAAAAAAAAAA BBBBBBBBBB", false,
                   Sjis({"AAAAAAAAAAAAAAA "})},
        FormatCase{"HyphenEndsAWord", "AAAAAAAAAAAAAAA-BBBBBBBBBB", true,
                   Sjis({"AAAAAAAAAAAAAAA-", "BBBBBBBBBB"})},
        FormatCase{"CarriageReturnLineFeedGivesTwoLines", "東京\r\n大阪", true,
                   Sjis({"東京", "大阪"})},
        FormatCase{"LineFeedAloneIsRemoved", "東京\n大阪", true, Sjis({"東京大阪"})},
        FormatCase{"TrailingCarriageReturnGivesAnEmptyLine", "東京\r", true, Sjis({"東京", ""})},
        FormatCase{"EmptyCaptionIsOneEmptyLine", "", true, Sjis({""})},
        // A too-wide word after others is cut on a line of its own; the
        // current line it leaves behind is empty.
        FormatCase{"WideWordAfterAnotherIsCutOnItsOwnLine", "AA BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
                   true, Sjis({"AA ", "BBBBBBBBBBBBBBBBBBBB", ""})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LabelFormatTest, NothingIsFormattedWithoutAParent) {
    TQRLabel label;
    label.SetCaption("abc");
    EXPECT_TRUE(label.FormattedLines().empty());
}

TEST(LabelFormatTest, LabelIsNeverLowerThanOneLineOnAReport) {
    test::TTicketReport ticket;
    TQRLabel* label = ticket.AddLabel("1", {.Height = 26.4583L, .Width = 52.9167L});
    // 19 pixels of text and one more.
    EXPECT_EQ(label->Height(), 20);
    EXPECT_NEAR(static_cast<double>(label->Size().WriteValues()[0]), 20 * 254.0 / 96, 1e-9);
}

struct AutoSizeCase {
    const char* name;
    TAlignment alignment;
    int expectedLeft;
};

class AutoSizeTest : public testing::TestWithParam<AutoSizeCase> {};

TEST_P(AutoSizeTest, WidthFitsTheLongestLineAndTheAnchorStays) {
    const AutoSizeCase& c = GetParam();
    test::TTicketReport ticket;
    TQRLabel* label = ticket.AddNameLabel("");
    label->SetAlignment(c.alignment);
    label->SetAutoSize(true);
    label->SetCaption("ABCD EFGH IJKL MNOP QRST UVWX YZ");
    // Never wrapped: one line of 32 bytes, 304 + 1 pixels.
    EXPECT_EQ(label->FormattedLines(), (Lines{"ABCD EFGH IJKL MNOP QRST UVWX YZ"}));
    EXPECT_EQ(label->Width(), 305);
    EXPECT_EQ(label->Left(), c.expectedLeft);
    label->SetCaption("AB\r\nABCD");
    EXPECT_EQ(label->Width(), 39);
}

INSTANTIATE_TEST_SUITE_P(Anchors, AutoSizeTest,
                         testing::Values(AutoSizeCase{"LeftEdge", taLeftJustify, 120},
                                         AutoSizeCase{"RightEdge", taRightJustify, 120 - 112},
                                         AutoSizeCase{"Centre", taCenter, 120 - 56}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LabelFormatTest, AutoSizeCountsTheSideFrameLines) {
    test::TTicketReport ticket;
    TQRLabel* label = ticket.AddNameLabel("");
    label->Frame().SetDrawLeft(true);
    label->Frame().SetDrawRight(true);
    label->Frame().SetWidth(2);
    label->SetAutoSize(true);
    label->SetCaption("ABCD");
    EXPECT_EQ(label->Width(), 39 + 4);
}

TEST(LabelFormatTest, FontSizeIsReadBackInPointsAfterLoading) {
    test::TTicketReport ticket;
    TQRLabel* label = ticket.AddNameLabel("X");
    EXPECT_EQ(label->FontSize(), 14);
    EXPECT_EQ(label->Font().Size, 14);
    label->SetFontSize(28);
    EXPECT_EQ(label->FontSize(), 28);
    // 28 points are 37 pixels at 96 pixels per inch: a line of 38.
    EXPECT_EQ(label->Height(), 38);
}

} // namespace
} // namespace zel
