// The calibration sheet read back from its recorded page: each scale's tick against the tickets
// printed with that value, its texts clear of one another, its rulers and crosses.

#include "app/calibration_sheet.h"
#include "platform/text_metrics.h"
#include "tests/app/ticket_report_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>

namespace zel::app {
namespace {

using platform::TPoint;
using platform::TRect;

struct TSegment {
    TPoint From, To;
};

// A scale's mark: its tick, the leader drawn on from the tick's end, and the label it leads to.
struct TScaleMark {
    int Value;
    TSegment Tick, Leader;
    TRect Label;
};

struct TSheetPage {
    std::vector<TSegment> lines;
    std::vector<std::pair<std::string, TRect>> texts; // UTF-8, device box
    std::vector<TScaleMark> marks;
};

std::optional<int> Number(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? std::optional(value)
                                                                 : std::nullopt;
}

TSheetPage ReadSheet(const std::vector<platform::TPageRecord>& records) {
    TSheetPage page;
    platform::TFontSpec font;
    auto align = platform::TTextAlign::Left;
    TPoint pen{};
    std::vector<TSegment> sinceText;
    for (const auto& record : records) {
        if (const auto* r = std::get_if<platform::TFontRecord>(&record))
            font = r->Font;
        else if (const auto* r = std::get_if<platform::TTextAlignRecord>(&record))
            align = r->Align;
        else if (const auto* r = std::get_if<platform::TMoveToRecord>(&record))
            pen = r->To;
        else if (const auto* r = std::get_if<platform::TLineToRecord>(&record)) {
            page.lines.push_back({pen, r->To});
            sinceText.push_back(page.lines.back());
            pen = r->To;
        } else if (const auto* r = std::get_if<platform::TTextOutRecord>(&record)) {
            const platform::TSize size = platform::MeasureText(font, r->Text);
            const int left = r->At.X - (align == platform::TTextAlign::Right    ? size.Width
                                        : align == platform::TTextAlign::Center ? size.Width / 2
                                                                                : 0);
            const TRect box{left, r->At.Y, left + size.Width, r->At.Y + size.Height};
            page.texts.emplace_back(cp932::ToUtf8(r->Text), box);
            const std::size_t n = sinceText.size();
            // A number led to from the end of the line before: a scale's label.
            if (const auto value = Number(r->Text);
                value && n >= 2 && sinceText[n - 1].From == sinceText[n - 2].To)
                page.marks.push_back({*value, sinceText[n - 2], sinceText[n - 1], box});
            sinceText.clear();
        }
    }
    return page;
}

// The sheet as the print tool makes it, with `offsets` in zel.ini.
TSheetPage Sheet(const TPrintOffsets& offsets) {
    test::TTicketRun run;
    run.WriteOffsets(offsets);
    run.report.YearLabel->SetCaption("8");
    run.report.TermLabel->SetCaption(cp932::FromUtf8("夏期"));
    run.report.ApplyPrintOffsets();
    const TCalibrationMarks marks(run.report, offsets);
    run.AddExaminees(marks.SheetTickets());
    run.report.Preview();
    EXPECT_EQ(run.pages.PageCount(), 1);
    return ReadSheet(run.pages.Records(1));
}

// Where each name of the first sheet of tickets prints with `offsets`, in print order.
std::vector<TPoint> NamesOnFirstSheet(const TPrintOffsets& offsets) {
    test::TTicketRun run;
    run.WriteOffsets(offsets);
    run.AddExaminees(10);
    run.Print();
    std::vector<TPoint> names;
    for (const test::TPrintedText& text : run.pages.Texts("受験者"))
        if (text.Page == 1)
            names.push_back(text.At);
    return names;
}

int LeftColumnRows(const std::vector<TPoint>& names) {
    return static_cast<int>(std::count_if(names.begin(), names.end(),
                                          [&](const TPoint& p) { return p.X == names[0].X; }));
}

// Each tick sits at the device pixel (0.26 mm; so within 0.1 mm) where the name-box corner prints
// on tickets made with the tick's value, all else as in force; its leader reaches its label.
TEST(CalibrationSheet, EachScaleTickIsWhereTheTicketsPrintWithItsValue) {
    const TPrintOffsets cases[] = {
        {},
        {.left = -7, .top = 4, .space = 3, .height = -3},
        {.left = 5, .top = -6, .space = -5, .height = 2}, // four tickets to a column
    };
    for (const TPrintOffsets& inForce : cases) {
        SCOPED_TRACE(OffsetsCaption(inForce));
        const TSheetPage sheet = Sheet(inForce);
        const std::vector<TPoint> names = NamesOnFirstSheet(inForce);
        const int rows = LeftColumnRows(names);

        std::map<std::string, std::map<int, int>> ticks; // scale, value: tick's x or y
        for (const TScaleMark& mark : sheet.marks) {
            const bool down = mark.Tick.From.Y == mark.Tick.To.Y;
            const std::string scale = down ? (mark.Tick.From.X < names[0].X ? "top" : "height")
                                           : (mark.Tick.From.X < 344 ? "left" : "space");
            EXPECT_TRUE(
                ticks[scale].emplace(mark.Value, down ? mark.Tick.From.Y : mark.Tick.From.X).second)
                << scale << " " << mark.Value << " twice";
            const TRect near{mark.Label.Left - 3, mark.Label.Top - 3, mark.Label.Right + 3,
                             mark.Label.Bottom + 3};
            EXPECT_TRUE(mark.Leader.To.X >= near.Left && mark.Leader.To.X <= near.Right &&
                        mark.Leader.To.Y >= near.Top && mark.Leader.To.Y <= near.Bottom)
                << scale << " " << mark.Value << ": the leader ends away from its label";
        }
        for (int v = -kScaleReach; v <= kScaleReach; ++v) {
            TPrintOffsets o = inForce;
            o.left += v;
            o.top += v;
            const std::vector<TPoint> moved = NamesOnFirstSheet(o);
            EXPECT_EQ(ticks["left"][o.left], moved[0].X) << "left " << o.left;
            EXPECT_EQ(ticks["top"][o.top], moved[0].Y) << "top " << o.top;
            o = inForce;
            o.space += v;
            const std::vector<TPoint> spaced = NamesOnFirstSheet(o);
            EXPECT_EQ(ticks["space"][o.space], spaced[LeftColumnRows(spaced)].X)
                << "space " << o.space;
            o = inForce;
            o.height += v;
            const std::vector<TPoint> pitched = NamesOnFirstSheet(o);
            // Where the bottom ticket goes to the next column, it has no tick.
            if (LeftColumnRows(pitched) >= rows)
                EXPECT_EQ(ticks["height"][o.height], pitched[rows - 1].Y) << "height " << o.height;
            else
                EXPECT_FALSE(ticks["height"].count(o.height)) << "height " << o.height;
        }
        for (const auto& [scale, values] : ticks)
            EXPECT_LE(values.size(), 2u * kScaleReach + 1) << scale;
    }
}

// No text of the sheet covers another: tickets, scales, rulers and the offsets line; not even
// with the tickets pushed into the rulers' band.
TEST(CalibrationSheet, NoTextCoversAnother) {
    const TPrintOffsets cases[] = {
        {},
        {.left = -10, .top = -10, .space = -10, .height = -10},
        {.left = 10, .top = 10, .space = 10, .height = 10},
    };
    for (const TPrintOffsets& offsets : cases) {
        SCOPED_TRACE(OffsetsCaption(offsets));
        const TSheetPage sheet = Sheet(offsets);
        EXPECT_GE(sheet.texts.size(), 150u);
        for (std::size_t i = 0; i < sheet.texts.size(); ++i)
            for (std::size_t j = i + 1; j < sheet.texts.size(); ++j) {
                const TRect& a = sheet.texts[i].second;
                const TRect& b = sheet.texts[j].second;
                EXPECT_FALSE(a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom &&
                             b.Top < a.Bottom)
                    << sheet.texts[i].first << " covers " << sheet.texts[j].first;
            }
    }
}

// Both rulers tick every millimetre from the paper's edge, and neither hides the other where they
// meet; numbers every centimetre; a cross at each box's corner; the offsets in force.
TEST(CalibrationSheet, RulersCrossesAndTheOffsetsLine) {
    test::TTicketRun run;
    const TPrintOffsets offsets{.left = 4, .top = -3, .space = 2, .height = 0};
    run.WriteOffsets(offsets);
    run.examinees.Add({"123451", "見本", "本校"});
    run.report.ApplyPrintOffsets();
    {
        const TCalibrationMarks marks(run.report, offsets);
        run.report.Preview();
    }
    const TSheetPage sheet = ReadSheet(run.pages.Records(1));
    const auto pixels = [](int mm) { return static_cast<int>(mm * 96 / 25.4 + 0.5); };
    std::map<int, int> top, left; // position to the tick's length
    for (const TSegment& line : sheet.lines) {
        if (line.From.Y == 0 && line.From.X == line.To.X)
            top[line.From.X] = line.To.Y;
        if (line.From.X == 0 && line.From.Y == line.To.Y)
            left[line.From.Y] = line.To.X;
    }
    for (int mm = 0; mm <= 182; ++mm)
        EXPECT_TRUE(top.count(pixels(mm))) << mm << " mm across";
    for (int mm = 0; mm <= 257; ++mm)
        EXPECT_TRUE(left.count(pixels(mm))) << mm << " mm down";
    // 1.5 mm ticks, 3 mm at every fifth, 5 mm at every tenth.
    for (const auto* ticks : {&top, &left}) {
        EXPECT_EQ(ticks->at(pixels(11)), static_cast<int>(1.5 * 96 / 25.4 + 0.5));
        EXPECT_EQ(ticks->at(pixels(15)), pixels(3));
        EXPECT_EQ(ticks->at(pixels(20)), pixels(5));
    }
    for (const auto& [x, down] : top)
        for (const auto& [y, across] : left)
            EXPECT_FALSE(x > 0 && y > 0 && x <= across && y <= down) << x << ", " << y;
    std::set<std::string> numbers;
    for (const auto& [text, box] : sheet.texts)
        if (box.Top < pixels(5) || box.Left < pixels(5))
            numbers.insert(text);
    for (const char* number : {"10", "90", "180", "250"})
        EXPECT_TRUE(numbers.count(number)) << number;
    EXPECT_EQ(run.pages.Texts("left=").at(0).Text, "left=4 top=-3 space=2 height=0");

    // Each cross meets its label's frame corner within a recorded pixel.
    const auto fills = run.pages.All<platform::TFillRectRecord>(1);
    const auto width = [](const TRect& r) { return r.Right - r.Left; };
    const auto height = [](const TRect& r) { return r.Bottom - r.Top; };
    const auto within = [](int a, int b) { return std::abs(a - b) <= 1; };
    int crossesAtCorners = 0;
    for (const auto& across : fills) {
        if (height(across.Rect) != 1 || width(across.Rect) > 15)
            continue;
        const int y = across.Rect.Top;
        crossesAtCorners += std::any_of(fills.begin(), fills.end(), [&](const auto& down) {
            return width(down.Rect) == 1 && height(down.Rect) <= 15 && down.Rect.Top < y &&
                   down.Rect.Bottom > y &&
                   std::any_of(fills.begin(), fills.end(), [&](const auto& frameTop) {
                       return height(frameTop.Rect) == 1 && width(frameTop.Rect) > 15 &&
                              within(frameTop.Rect.Left, down.Rect.Left) &&
                              within(frameTop.Rect.Top, y);
                   });
        });
    }
    EXPECT_GE(crossesAtCorners, 11);
}

} // namespace
} // namespace zel::app
