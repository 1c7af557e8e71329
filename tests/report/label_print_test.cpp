#include "band_test_support.h"
#include "platform/cp932.h"
#include "report/controls/label.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::TFillRectRecord;
using platform::TRect;
using platform::TTextOutRecord;

std::string S(const char* utf8) {
    return cp932::FromUtf8(utf8);
}

std::vector<TRect> Fills(const test::TRecordingSurface& surface) {
    std::vector<TRect> rects;
    for (const auto& fill : surface.All<TFillRectRecord>())
        rects.push_back(fill.Rect);
    return rects;
}

// The ticket band at the run's 185 pixels with the name label at its base
// place (83, 120), printed once per name.
struct NameRun {
    explicit NameRun(const char* firstUtf8 = "") {
        name = ticket.AddNameLabel(firstUtf8);
        ticket.band->SetHeight(185);
        name->SetTop(83);
        name->SetLeft(120);
    }
    void Print(const std::vector<std::string>& names) {
        ticket.report.StartRun(surface);
        for (const std::string& text : names) {
            name->SetCaption(text);
            ticket.report.OutputBand(ticket.band);
        }
        ticket.report.EndRun();
    }

    test::TTicketReport ticket;
    TQRLabel* name = nullptr;
    test::TRecordingSurface surface;
};

TEST(LabelPrintTest, TicketNameLabelPrintsAtItsDevicePixelsDownAndAcrossColumns) {
    NameRun run;
    std::vector<std::string> names;
    for (int i = 1; i <= 7; ++i)
        names.push_back(S("受験者") + std::to_string(i));
    run.Print(names);
    const auto texts = run.surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 7u);
    // Five bands of 489 units to a column; the second column starts at
    // 905 + 10 units, 345.8 pixels.
    const std::vector<platform::TPoint> expected = {{120, 83},  {120, 268}, {120, 453}, {120, 637},
                                                    {120, 822}, {466, 83},  {466, 268}};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].At, expected[i]) << i;
        EXPECT_EQ(texts[i].Text, names[i]);
    }
    // A transparent label leaves only the bands' own backgrounds.
    const auto fills = Fills(run.surface);
    ASSERT_EQ(fills.size(), 7u);
    EXPECT_EQ(fills[0], (TRect{0, 0, 342, 185}));
    EXPECT_EQ(fills[5], (TRect{346, 0, 688, 185}));
    const auto fonts = run.surface.All<platform::TFontRecord>();
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(fonts.back().Font.Height, -19);
    EXPECT_EQ(fonts.back().Font.Name, S("ＭＳ Ｐ明朝"));
}

TEST(LabelPrintTest, OpaqueLabelFillsItsRectangleBeforeCentredText) {
    test::TTicketReport ticket;
    TQRLabel* year =
        ticket.AddLabel("17", {58.2083L, 238.125L, 52.9167L, 66.1458L}, 90, 20, 25, 22);
    year->SetAlignment(taCenter);
    TQRLabel* box = ticket.AddLabel("1", {52.9167L, 317.5L, 134.9375L, 52.9167L}, 120, 51, 20, 20,
                                    "ＭＳ Ｐゴシック");
    box->SetAlignment(taCenter);
    box->SetTransparent(true);
    test::TRecordingSurface surface;
    ticket.PrintBandOnce(surface);

    EXPECT_EQ(Fills(surface), (std::vector<TRect>{{0, 0, 342, 185}, {90, 20, 115, 42}}));
    const auto texts = surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].At, (platform::TPoint{130, 51}));
    EXPECT_EQ(texts[1].Text, "1");
    const auto aligns = surface.All<platform::TTextAlignRecord>();
    ASSERT_EQ(aligns.size(), 4u);
    EXPECT_EQ(aligns[0].Align, platform::TTextAlign::Center);
    EXPECT_EQ(aligns[1].Align, platform::TTextAlign::Left);
}

TEST(LabelPrintTest, CarriageReturnLineFeedPrintsTwoLinesInATallLabel) {
    test::TTicketReport ticket;
    TQRLabel* label =
        ticket.AddLabel("東京\r\n大阪", {158.75L, 317.5L, 219.6042L, 510.6458L}, 120, 83, 193, 60);
    test::TRecordingSurface surface;
    ticket.PrintBandOnce(surface);
    const auto texts = surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].At, (platform::TPoint{120, 83}));
    EXPECT_EQ(texts[0].Text, S("東京"));
    EXPECT_EQ(texts[1].At, (platform::TPoint{120, 102}));
    EXPECT_EQ(texts[1].Text, S("大阪"));
    EXPECT_TRUE(label->PrintFinished());
}

TEST(LabelPrintTest, TicketLabelHoldsOneLineAndLongNameIsCut) {
    NameRun run;
    run.Print({S("東京\r\n大阪"), S("一二三四五六七八九十一二三四五")});
    const auto texts = run.surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 2u);
    // The second line of a 22-pixel label does not fit and is not printed.
    EXPECT_EQ(texts[0].Text, S("東京"));
    EXPECT_EQ(texts[1].Text, S("一二三四五六七八九十"));
    EXPECT_TRUE(run.name->PrintFinished());
}

TEST(LabelPrintTest, OnPrintReplacesTheTextForOnePrintingOnly) {
    NameRun run;
    int raised = 0;
    run.name->OnPrint = [&raised](TQRComponent&, std::string& value) {
        ++raised;
        value = "[" + value + "]";
    };
    run.Print({"abc", ""});
    EXPECT_EQ(raised, 1); // not for the empty caption
    const auto texts = run.surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "[abc]");
    EXPECT_EQ(run.name->Caption(), "");
}

TEST(LabelPrintTest, DisabledLabelPrintsNothing) {
    NameRun run;
    run.name->SetEnabled(false);
    run.Print({"abc"});
    EXPECT_TRUE(run.surface.All<TTextOutRecord>().empty());
}

TEST(LabelPrintTest, RightAlignedTextEndsAtTheRightEdge) {
    NameRun run;
    run.name->SetAlignment(taRightJustify);
    run.Print({"abc"});
    const auto texts = run.surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].At, (platform::TPoint{313, 83}));
}

TEST(LabelPrintTest, FrameMovesTheTextInsideAndIsDrawnAroundIt) {
    NameRun run;
    run.name->Frame().SetDrawTop(true);
    run.name->Frame().SetDrawLeft(true);
    run.Print({"abc"});
    const auto texts = run.surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 1u);
    // One point is 3.5 units, rounded to 4: 1.5 pixels further in.
    EXPECT_EQ(texts[0].At, (platform::TPoint{122, 85}));
    const auto fills = Fills(run.surface);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[1], (TRect{122, 85, 315, 86}));
    EXPECT_EQ(fills[2], (TRect{122, 85, 123, 107}));
}

// A band of 100 units on a page with 400 units of room, and a label of 22
// pixels (58.2 units) whose lines are 19 pixels (50.27 units) high.
TEST(LabelPrintTest, AutoStretchGrowsTheBandAndContinuesInTheNextColumn) {
    test::TTicketReport ticket;
    ticket.report.Page().SetBottomMargin(217);
    ticket.band->Size().SetUnits(TQRUnit::Native);
    ticket.band->Size().SetHeight(100);
    ticket.band->Frame().SetDrawBottom(true);
    TQRLabel* label = ticket.AddLabel("L1\rL2\rL3\rL4\rL5\rL6\rL7\rL8", {58.2083L, 0, 0, 510.6458L},
                                      0, 0, 193, 22);
    label->SetAutoStretch(true);
    test::TRecordingSurface surface;
    ticket.report.StartRun(surface);
    ticket.report.OutputBand(ticket.band);
    const int endY = ticket.report.CurrentY();
    ticket.report.EndRun();

    const auto texts = surface.All<TTextOutRecord>();
    ASSERT_EQ(texts.size(), 8u);
    // Room for the band and five more lines: six lines in the first column.
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(texts[i].At, (platform::TPoint{0, 19 * i})) << i;
    EXPECT_EQ(texts[6].At, (platform::TPoint{346, 0}));
    EXPECT_EQ(texts[7].At, (platform::TPoint{346, 19}));
    EXPECT_EQ(texts[7].Text, "L8");
    EXPECT_EQ(ticket.report.newColumns, 2);
    EXPECT_EQ(ticket.report.Column(), 2);
    // The band advances by its height and the growth of its last column.
    EXPECT_EQ(endY, 150);
    EXPECT_TRUE(label->PrintFinished());

    const auto fills = Fills(surface);
    // Band, label, five grown strips and the band's bottom line; then in the
    // next column the label, one strip and the bottom line again.
    ASSERT_EQ(fills.size(), 11u);
    EXPECT_EQ(fills[0], (TRect{0, 0, 342, 38}));
    EXPECT_EQ(fills[1], (TRect{0, 0, 193, 22}));
    EXPECT_EQ(fills[2], (TRect{0, 22, 193, 41}));
    EXPECT_EQ(fills[6], (TRect{0, 98, 193, 117}));
    // The band's frame: 0.1 mm below 100 + 5 x 50.27 units.
    EXPECT_EQ(fills[7], (TRect{0, 132, 342, 133}));
    EXPECT_EQ(fills[8], (TRect{346, 0, 539, 22}));
    EXPECT_EQ(fills[9], (TRect{346, 22, 539, 41}));
    EXPECT_EQ(fills[10], (TRect{346, 56, 688, 57}));
}

TEST(LabelPrintTest, WithoutAutoStretchRemainingLinesAreDropped) {
    test::TTicketReport ticket;
    TQRLabel* label = ticket.AddLabel("L1\rL2\rL3", {58.2083L, 0, 0, 510.6458L}, 0, 0, 193, 22);
    test::TRecordingSurface surface;
    ticket.PrintBandOnce(surface);
    EXPECT_EQ(surface.All<TTextOutRecord>().size(), 1u);
    EXPECT_TRUE(label->PrintFinished());
    EXPECT_EQ(ticket.report.newColumns, 1);
}

} // namespace
} // namespace zel
