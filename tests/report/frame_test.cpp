#include "band_test_support.h"
#include "report/controls/frame.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::TFillRectRecord;
using platform::TRect;

struct LineWidthCase {
    const char* name;
    int width;
    int dotsPerInch;
    int expected;
};

class FrameLineWidthTest : public testing::TestWithParam<LineWidthCase> {};

TEST_P(FrameLineWidthTest, ThicknessInDevicePixels) {
    const LineWidthCase& c = GetParam();
    EXPECT_EQ(FrameLineWidth(c.width, c.dotsPerInch / 254.0L), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, FrameLineWidthTest,
                         testing::Values(LineWidthCase{"OnePointAt600Dpi", 1, 600, 8},
                                         LineWidthCase{"OnePointOnScreen", 1, 96, 1},
                                         LineWidthCase{"TwoPointsOnScreen", 2, 96, 3},
                                         LineWidthCase{"ThreePointsAt600Dpi", 3, 600, 25},
                                         LineWidthCase{"OnePointAt50DpiStaysVisible", 1, 50, 1},
                                         LineWidthCase{"MinusOneIsOnePixel", -1, 600, 1},
                                         LineWidthCase{"ZeroIsNothing", 0, 600, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<TRect> FilledRects(const test::TRecordingSurface& surface) {
    std::vector<TRect> rects;
    for (const auto& fill : surface.All<TFillRectRecord>())
        rects.push_back(fill.Rect);
    return rects;
}

TEST(FrameTest, SidesAreFillsInsideTheRectangleInFixedOrder) {
    TQRFrame frame;
    frame.SetDrawTop(true);
    frame.SetDrawBottom(true);
    frame.SetDrawLeft(true);
    frame.SetDrawRight(true);
    frame.SetColor(platform::MakeColor(255, 0, 0));
    frame.SetStyle(platform::TPenStyle::Dot);
    test::TRecordingSurface surface(600);
    frame.PaintIt(*surface.Canvas(), {100, 200, 500, 400}, 600 / 254.0L, 600 / 254.0L);
    EXPECT_EQ(FilledRects(surface), (std::vector<TRect>{{100, 200, 500, 208},
                                                        {100, 392, 500, 400},
                                                        {100, 200, 108, 400},
                                                        {492, 200, 500, 400}}));
    // Solid fills in the frame colour whatever the style; the brush is left clear.
    const auto brushes = surface.All<platform::TBrushRecord>();
    ASSERT_EQ(brushes.size(), 2u);
    EXPECT_EQ(brushes.front().Brush,
              (platform::TBrushSpec{platform::MakeColor(255, 0, 0), platform::TBrushStyle::Solid}));
    EXPECT_EQ(brushes.back().Brush.Style, platform::TBrushStyle::Clear);
    const auto pens = surface.All<platform::TPenRecord>();
    ASSERT_EQ(pens.size(), 1u);
    EXPECT_EQ(pens.front().Pen.Style, platform::TPenStyle::Dot);
    EXPECT_EQ(pens.front().Pen.Width, 1);
}

TEST(FrameTest, WidthZeroDrawsNothingWithSidesOnAndNoSideDrawsNothing) {
    TQRFrame frame;
    frame.SetDrawTop(true);
    frame.SetDrawLeft(true);
    frame.SetWidth(0);
    test::TRecordingSurface surface;
    frame.PaintIt(*surface.Canvas(), {0, 0, 50, 50}, 96 / 254.0L, 96 / 254.0L);
    EXPECT_TRUE(FilledRects(surface).empty());

    TQRFrame none;
    none.SetStyle(platform::TPenStyle::Dot);
    EXPECT_FALSE(none.AnyFrame());
}

TEST(FrameTest, MinusOneDrawsOneDevicePixel) {
    TQRFrame frame;
    frame.SetDrawRight(true);
    frame.SetWidth(-1);
    test::TRecordingSurface surface(600);
    frame.PaintIt(*surface.Canvas(), {0, 0, 50, 60}, 600 / 254.0L, 600 / 254.0L);
    EXPECT_EQ(FilledRects(surface), (std::vector<TRect>{{49, 0, 50, 60}}));
}

} // namespace
} // namespace zel
