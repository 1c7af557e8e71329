#include "platform/recorded_page.h"
#include "platform/recording_canvas.h"

#include <gtest/gtest.h>
#include <utility>

namespace zel::platform {
namespace {

// A page that makes every kind of canvas call once (TextExtent draws
// nothing and needs fonts, so the window tests cover it).
TRecordedPage EveryCallPage() {
    TRecordingCanvas inner(40, 20);
    inner.FillRect({1, 2, 3, 4});
    TRecordingCanvas canvas(688, 972);
    canvas.SetPen({MakeColor(1, 2, 3), 3, TPenStyle::DashDot});
    canvas.SetBrush({MakeColor(200, 100, 50), TBrushStyle::Clear});
    canvas.SetFont({"\x82\x6c\x82\x72 \x82\x6f\x96\xbe\x92\xa9", -13, 14, fsBold | fsItalic,
                    kShiftJisCharset, MakeColor(9, 8, 7)});
    canvas.SetBkMode(TBkMode::Transparent);
    canvas.SetBkColor(MakeColor(4, 5, 6));
    canvas.SetTextAlign(TTextAlign::Center);
    canvas.MoveTo(-5, 7);
    canvas.LineTo(100, 7);
    canvas.Rectangle({10, 20, 30, 40});
    canvas.Ellipse({11, 21, 31, -41});
    canvas.FillRect({-1, -2, 5, 6});
    canvas.TextOut(50, 60, "\x8e\xf3\x8c\xb1\x94\xd4\x8d\x86 123");
    canvas.TextOut(0, 0, "");
    canvas.SetClipRect({0, 0, 344, 486});
    canvas.ClearClip();
    canvas.PlayPage(inner.Page(), {5, 5, 85, 45});
    return canvas.TakePage();
}

TEST(RecordedPage, EveryCanvasCallSurvivesTheRoundTripFontSizesInDevicePixels) {
    const TRecordedPage page = EveryCallPage();
    ASSERT_EQ(page.Records().size(), 16u);
    const std::string bytes = page.Serialize();
    const auto loaded = LoadRecordedPage(bytes);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, page);
    EXPECT_EQ(RecordedPageLength(bytes), bytes.size());
    // Font sizes in points follow the canvas resolution.
    struct Case {
        int size, height, ppi, expected;
    };
    for (const Case c : {Case{14, 0, 96, -19}, Case{14, 0, 120, -23}, Case{12, 0, 600, -100},
                         Case{0, -13, 96, -13}, Case{0, 22, 120, 22}}) {
        TRecordingCanvas canvas(10, 10, c.ppi);
        canvas.SetFont({"", c.height, c.size, 0, kDefaultCharset, kBlack});
        EXPECT_EQ(canvas.Font().Height, c.expected) << c.size << "pt at " << c.ppi;
        const TFontSpec& recorded = std::get<TFontRecord>(canvas.Page().Records().back()).Font;
        EXPECT_EQ(std::pair(recorded.Height, recorded.Size), std::pair(c.expected, 0));
    }
}

TEST(RecordedPage, BytesAreLittleEndianWithLengthPrefixes) {
    TRecordedPage page(0x0102, 0x0304);
    page.Add(TFillRectRecord{{1, -1, 0x10000, 2}});
    page.Add(TTextOutRecord{{3, 4}, "ab"});
    const std::string expected = std::string("ZMRP\x01\x00\x18\x00", 8) +
                                 std::string("\x40\x00\x00\x00", 4) + // whole length 64
                                 std::string("\x02\x01\x00\x00\x04\x03\x00\x00", 8) +
                                 std::string("\x02\x00\x00\x00", 4) + // two records
                                 std::string("\x0A\x10\x00\x00\x00", 5) +
                                 std::string("\x01\x00\x00\x00\xFF\xFF\xFF\xFF", 8) +
                                 std::string("\x00\x00\x01\x00\x02\x00\x00\x00", 8) +
                                 std::string("\x0B\x0E\x00\x00\x00", 5) +
                                 std::string("\x03\x00\x00\x00\x04\x00\x00\x00", 8) +
                                 std::string("\x02\x00\x00\x00"
                                             "ab",
                                             6);
    EXPECT_EQ(page.Serialize(), expected);
}

std::string Patch32(std::string bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(v >> (8 * i));
    return bytes;
}

TEST(RecordedPage, DamagedFieldsAreRejected) {
    TRecordedPage page(100, 50);
    page.Add(TPenRecord{{kBlack, 1, TPenStyle::Dot}});  // record at 24, payload 29
    page.Add(TFontRecord{{"A", -12, 0, 0, 1, kBlack}}); // at 38, payload 43
    page.Add(TTextOutRecord{{1, 2}, "xyz"});            // at 55, payload 60
    page.Add(TBkModeRecord{TBkMode::Opaque});           // at 75, payload 80
    page.Add(TEllipseRecord{{1, 2, 3, 4}});             // at 81, payload 86
    const std::string good = page.Serialize();
    ASSERT_TRUE(LoadRecordedPage(good));
    ASSERT_EQ(good.size(), 102u);

    auto set8 = [&](std::size_t at, char v) {
        std::string b = good;
        b[at] = v;
        return b;
    };
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"magic", set8(0, 'X')},
        {"version", set8(4, 2)},
        {"header size", set8(6, 20)},
        {"whole length past the bytes", Patch32(good, 8, 84)},
        {"whole length beyond any page", Patch32(good, 8, 0xFFFFFFFF)},
        {"negative width", Patch32(good, 12, 0xFFFFFFFF)},
        {"height past the limit", Patch32(good, 16, kMaxPageExtent + 1)},
        {"more records than bytes", Patch32(good, 20, 0x7FFFFFFF)},
        {"fewer records than bytes", Patch32(good, 20, 3)},
        {"unknown kind 0", set8(24, 0)},
        {"unknown kind 16", set8(24, 16)},
        {"payload longer than its record", Patch32(good, 25, 10)},
        {"payload shorter than its record", Patch32(good, 25, 8)},
        {"pen style", set8(37, 7)},
        {"negative pen width", Patch32(good, 33, 0xFFFFFFFF)},
        {"pen wider than a surface draws", Patch32(good, 33, kMaxPenWidth + 1)},
        {"font height", Patch32(good, 47, 5000)},
        {"font style bits", set8(51, 0x10)},
        {"face name longer than its record", set8(53, 2)},
        {"coordinate past the limit", Patch32(good, 60, kMaxCoordinate + 1)},
        {"text longer than its record", Patch32(good, 68, 4)},
        {"background mode 0", set8(80, 0)},
        {"background mode 3", set8(80, 3)},
        {"ellipse shorter than a rectangle", Patch32(good, 82, 12)},
        {"ellipse corner past the limit", Patch32(good, 98, kMaxCoordinate + 1)},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(LoadRecordedPage(c.bytes).has_value()) << c.what;
}

// Every single-byte change of a real page is refused or writes itself
// again: a page is only ever written by the recorder.
TEST(RecordedPage, WhatLoadsAfterAnyByteChangeWritesTheSameBytesAndEveryCutIsRejected) {
    const std::string good = EveryCallPage().Serialize();
    for (std::size_t at = 0; at < good.size(); ++at)
        for (const int v : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            std::string bytes = good;
            bytes[at] = static_cast<char>(v);
            if (const auto page = LoadRecordedPage(bytes)) {
                EXPECT_EQ(page->Serialize(), bytes) << at;
            }
        }
    const std::string bytes = EveryCallPage().Serialize();
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(LoadRecordedPage(bytes.substr(0, n)).has_value()) << n;
    EXPECT_FALSE(LoadRecordedPage(bytes + '\0').has_value());
    EXPECT_FALSE(RecordedPageLength(bytes.substr(0, kRecordedPageHeaderSize - 1)).has_value());
}

TEST(RecordedPage, NestingAndCoordinatesStayWithinWhatLoads) {
    TRecordingCanvas canvas(10, 10);
    canvas.FillRect({INT32_MIN, 0, INT32_MAX, 5});
    canvas.MoveTo(INT32_MAX, INT32_MIN);
    canvas.SetPen({kBlack, 1 << 24, TPenStyle::Solid});
    EXPECT_TRUE(LoadRecordedPage(canvas.Page().Serialize()).has_value());
    EXPECT_EQ(std::get<TPenRecord>(canvas.Page().Records()[2]).Pen.Width, kMaxPenWidth);
    TRecordedPage nested = canvas.TakePage();
    EXPECT_EQ(std::get<TFillRectRecord>(nested.Records()[0]).Rect,
              (TRect{-kMaxCoordinate, 0, kMaxCoordinate, 5}));
    EXPECT_EQ(std::get<TMoveToRecord>(nested.Records()[1]).To,
              (TPoint{kMaxCoordinate, -kMaxCoordinate}));
    for (int depth = 1; depth <= kMaxPageNesting; ++depth) {
        canvas.PlayPage(nested, {0, 0, 10, 10});
        nested = canvas.TakePage();
        EXPECT_EQ(PageNestingDepth(nested), depth);
        EXPECT_TRUE(LoadRecordedPage(nested.Serialize()).has_value()) << depth;
    }
    // One level more would not load again, so it is not recorded.
    canvas.PlayPage(nested, {0, 0, 10, 10});
    EXPECT_TRUE(canvas.Page().Records().empty());
    // Written by hand, it is refused.
    TRecordedPage tooDeep(10, 10);
    tooDeep.Add(TPlayPageRecord{{0, 0, 1, 1}, std::make_shared<const TRecordedPage>(nested)});
    EXPECT_FALSE(LoadRecordedPage(tooDeep.Serialize()).has_value());
}

} // namespace
} // namespace zel::platform
