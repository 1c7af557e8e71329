#include "band_test_support.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using Lines = std::vector<std::string>;

// The ticket's name label: 193 pixels wide, 14-point font measured at 9.5
// pixels a byte (plus the one pixel every measured width gets).
TEST(LabelFormatTest, TheNameLabelBreaksItsCaptionIntoLines) {
    const struct {
        const char* caption;
        Lines lines;
        bool wordWrap = true;
    } cases[] = {
        {"山田　太郎", {"山田　太郎"}},
        // 10 characters are 191 pixels wide, 11 would be 210. The cut word
        // leaves an empty current line behind, which prints nothing.
        {"一二三四五六七八九十一二三四五", {"一二三四五六七八九十", ""}},
        {"A一二三四五六七八九十一二三四五", {"A一二三四五六七八九", ""}}, // never half a character
        // The first of two lines keeps its space; without word wrap it is all.
        {"AAAAAAAAAAAAAAA BBBBBBBBBB", {"AAAAAAAAAAAAAAA ", "BBBBBBBBBB"}},
        {"AAAAAAAAAAAAAAA BBBBBBBBBB", {"AAAAAAAAAAAAAAA "}, false},
        {"AAAAAAAAAAAAAAA-BBBBBBBBBB", {"AAAAAAAAAAAAAAA-", "BBBBBBBBBB"}},
        {"東京\r\n大阪", {"東京", "大阪"}},
        {"東京\n大阪", {"東京大阪"}}, // a line feed alone is removed
        {"東京\r", {"東京", ""}},
        {"", {""}},
        // A too-wide word after others is cut on a line of its own.
        {"AA BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB", {"AA ", "BBBBBBBBBBBBBBBBBBBB", ""}},
    };
    for (const auto& c : cases) {
        test::TTicketReport ticket;
        TQRLabel* label = ticket.AddNameLabel("");
        label->SetWordWrap(c.wordWrap);
        label->SetCaption(cp932::FromUtf8(c.caption));
        Lines lines;
        for (const std::string& line : label->FormattedLines())
            lines.push_back(cp932::ToUtf8(line));
        EXPECT_EQ(lines, c.lines) << c.caption;
    }
    TQRLabel alone;
    alone.SetCaption("abc");
    EXPECT_TRUE(alone.FormattedLines().empty()) << "nothing is formatted without a parent";
}

TEST(LabelFormatTest, AutoSizeFitsTheLinesAndFrameKeepsItsAnchorAndFollowsTheFont) {
    const struct {
        TAlignment alignment;
        int left;
    } cases[] = {{taLeftJustify, 120}, {taRightJustify, 120 - 112}, {taCenter, 120 - 56}};
    for (const auto& c : cases) {
        test::TTicketReport ticket;
        TQRLabel* label = ticket.AddNameLabel("");
        label->SetAlignment(c.alignment);
        label->SetAutoSize(true);
        label->SetCaption("ABCD EFGH IJKL MNOP QRST UVWX YZ");
        // Never wrapped: one line of 32 bytes, 304 + 1 pixels.
        EXPECT_EQ(label->FormattedLines(), (Lines{"ABCD EFGH IJKL MNOP QRST UVWX YZ"}));
        EXPECT_EQ(label->Width(), 305);
        EXPECT_EQ(label->Left(), c.left) << c.alignment;
        label->SetCaption("AB\r\nABCD");
        EXPECT_EQ(label->Width(), 39);
    }
    test::TTicketReport ticket;
    TQRLabel* framed = ticket.AddNameLabel("");
    framed->Frame().SetDrawLeft(true);
    framed->Frame().SetDrawRight(true);
    framed->Frame().SetWidth(2);
    framed->SetAutoSize(true);
    framed->SetCaption("ABCD");
    EXPECT_EQ(framed->Width(), 39 + 4);
    // The height is one line at least: 19 pixels of text and one more.
    TQRLabel* small = ticket.AddLabel("1", {.Height = 26.4583L, .Width = 52.9167L});
    EXPECT_EQ(small->Height(), 20);
    EXPECT_NEAR(static_cast<double>(small->Size().NativeValue(TQRPrintableSize::kHeight)),
                20 * 254.0 / 96, 1e-9);
    small->SetFontSize(28);
    // 28 points are 37 pixels at 96 pixels per inch: a line of 38.
    EXPECT_EQ(small->Height(), 38);
}

} // namespace
} // namespace zel
