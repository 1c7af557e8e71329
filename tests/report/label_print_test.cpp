// Labels printed in runs of the report: where their lines land in device
// pixels, and how they stretch a band and go on in the next column.

#include "band_test_support.h"

#include <functional>
#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::TPoint;
using platform::TRect;
using platform::TTextOutRecord;

std::string S(const char* utf8) {
    return cp932::FromUtf8(utf8);
}

// The ticket band at the run's 185 pixels with the name label at its base
// place (120, 83), printed once per name.
struct TNameRun : test::TTicketReport {
    TNameRun() {
        name = AddNameLabel("");
        band->SetHeight(185);
        name->SetTop(83);
        name->SetLeft(120);
    }
    void Print(std::vector<std::string> names) { Run(surface, name, std::move(names)); }
    std::vector<TTextOutRecord> Texts() const { return surface.All<TTextOutRecord>(); }

    TQRLabel* name = nullptr;
    test::TRecordingSurface surface;
};

TEST(LabelPrintTest, AlignmentFrameAndEnabledDecideWhatIsDrawnWhere) {
    const TRect bandFill{0, 0, 342, 185};
    const struct {
        const char* name;
        std::function<void(TQRLabel&)> change;
        std::vector<TPoint> at;
        std::vector<TRect> fills;
    } cases[] = {
        {"left", [](TQRLabel&) {}, {{120, 83}}, {bandFill}},
        {"right", [](TQRLabel& l) { l.SetAlignment(taRightJustify); }, {{313, 83}}, {bandFill}},
        // One point is 3.5 units, rounded to 4: 1.5 pixels further in, and
        // the frame drawn around the label.
        {"framed",
         [](TQRLabel& l) {
             l.Frame().SetDrawTop(true);
             l.Frame().SetDrawLeft(true);
         },
         {{122, 85}},
         {bandFill, {122, 85, 315, 86}, {122, 85, 123, 107}}},
        {"disabled", [](TQRLabel& l) { l.SetEnabled(false); }, {}, {bandFill}},
    };
    for (const auto& c : cases) {
        TNameRun run;
        c.change(*run.name);
        run.Print({"abc"});
        std::vector<TPoint> at;
        for (const auto& text : run.Texts())
            at.push_back(text.At);
        EXPECT_EQ(at, c.at) << c.name;
        // A transparent label leaves only the band's own background.
        EXPECT_EQ(run.surface.Fills(), c.fills) << c.name;
    }
}

TEST(LabelPrintTest, OpaqueLabelFillsItsRectangleBeforeCentredText) {
    test::TTicketReport ticket;
    TQRLabel* year = ticket.AddLabel(
        "17", {.Height = 58.2083L, .Left = 238.125L, .Top = 52.9167L, .Width = 66.1458L});
    year->SetAlignment(taCenter);
    TQRLabel* box = ticket.AddLabel(
        "1", {.Height = 52.9167L, .Left = 317.5L, .Top = 134.9375L, .Width = 52.9167L},
        "ＭＳ Ｐゴシック");
    box->SetAlignment(taCenter);
    box->SetTransparent(true);
    test::TRecordingSurface surface;
    ticket.Run(surface);

    EXPECT_EQ(surface.Fills(), (std::vector<TRect>{{0, 0, 342, 185}, {90, 20, 115, 42}}));
    const auto texts = surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].At, (TPoint{130, 51}));
    // Centred drawing hands the canvas back left-aligned.
    EXPECT_EQ(surface.All<platform::TTextAlignRecord>().at(1).Align, platform::TTextAlign::Left);
}

TEST(LabelPrintTest, LinesStopAtTheLabelsBottomEdge) {
    // A label three lines high prints both lines of a carriage return and
    // line feed, 19 pixels apart.
    test::TTicketReport ticket;
    TQRLabel* tall = ticket.AddLabel(
        "東京\r\n大阪", {.Height = 158.75L, .Left = 317.5L, .Top = 219.6042L, .Width = 510.6458L});
    test::TRecordingSurface surface;
    ticket.Run(surface);
    auto texts = surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(std::pair(texts[0].At, texts[0].Text), std::pair(TPoint{120, 83}, S("東京")));
    EXPECT_EQ(std::pair(texts[1].At, texts[1].Text), std::pair(TPoint{120, 102}, S("大阪")));
    EXPECT_TRUE(tall->PrintFinished());

    // The ticket's 22-pixel name label holds one line.
    TNameRun run;
    run.Print({S("東京\r\n大阪")});
    texts = run.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, S("東京"));
    EXPECT_TRUE(run.name->PrintFinished());
    const auto fonts = run.surface.All<platform::TFontRecord>();
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(std::pair(fonts.back().Font.Height, fonts.back().Font.Name),
              std::pair(-19, S("ＭＳ Ｐ明朝")));
}

TEST(LabelPrintTest, OnPrintReplacesTheTextForOnePrintingOnly) {
    TNameRun run;
    int raised = 0;
    run.name->OnPrint = [&raised](TQRComponent&, std::string& value) {
        ++raised;
        value = "[" + value + "]";
    };
    run.Print({"", "abc"});
    EXPECT_EQ(raised, 1); // not for the empty caption
    ASSERT_EQ(run.Texts().size(), 1u);
    EXPECT_EQ(std::pair(run.Texts()[0].Text, run.name->Caption()),
              std::pair(std::string("[abc]"), std::string("abc")));
}

// A band of 100 units on a page with 400 units of room, and a label of 22
// pixels (58.2 units) whose lines are 19 pixels (50.27 units) high.
TEST(LabelPrintTest, AutoStretchGrowsTheBandAndContinuesInTheNextColumn) {
    test::TTicketReport ticket;
    ticket.report.Page().SetBottomMargin(217);
    ticket.band->Size().SetUnits(TQRUnit::Native);
    ticket.band->Size().SetHeight(100);
    ticket.band->Frame().SetDrawBottom(true);
    TQRLabel* label =
        ticket.AddLabel("L1\rL2\rL3\rL4\rL5\rL6\rL7\rL8", {.Height = 58.2083L, .Width = 510.6458L});
    label->SetAutoStretch(true);
    int endY = 0;
    ticket.band->AfterPrint = [&](TQRCustomBand&, bool) { endY = ticket.report.CurrentY(); };
    test::TRecordingSurface surface;
    ticket.Run(surface);

    const auto texts = surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 8u);
    // Room for the band and five more lines: six lines in the first column.
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(texts[i].At, (TPoint{0, 19 * i})) << i;
    EXPECT_EQ(texts[6].At, (TPoint{346, 0}));
    EXPECT_EQ(std::pair(texts[7].At, texts[7].Text), std::pair(TPoint{346, 19}, std::string("L8")));
    EXPECT_EQ(ticket.report.PageNumber(), 1);
    // The band advances by its height and the growth of its last column.
    EXPECT_EQ(endY, 150);
    EXPECT_TRUE(label->PrintFinished());

    // Band, label, five grown strips and the band's bottom line; then in the
    // next column the label, one strip and the bottom line again.
    const auto fills = surface.Fills();
    ASSERT_EQ(fills.size(), 11u);
    EXPECT_EQ(fills[0], (TRect{0, 0, 342, 38}));
    EXPECT_EQ(fills[1], (TRect{0, 0, 193, 22}));
    EXPECT_EQ(fills[2], (TRect{0, 22, 193, 41}));
    EXPECT_EQ(fills[6], (TRect{0, 98, 193, 117}));
    // The band's frame: 0.1 mm below 100 + 5 x 50.27 units.
    EXPECT_EQ(fills[7], (TRect{0, 132, 342, 133}));
    EXPECT_EQ(fills[8], (TRect{346, 0, 539, 22}));
    EXPECT_EQ(fills[10], (TRect{346, 56, 688, 57}));

    // Without AutoStretch the lines that do not fit are dropped.
    test::TTicketReport plain;
    TQRLabel* dropping = plain.AddLabel("L1\rL2\rL3", {.Height = 58.2083L, .Width = 510.6458L});
    test::TRecordingSurface plainSurface;
    plain.Run(plainSurface);
    EXPECT_EQ(plainSurface.All<TTextOutRecord>().size(), 1u);
    EXPECT_TRUE(dropping->PrintFinished());
}

} // namespace
} // namespace zel
