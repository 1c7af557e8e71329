#include "band_test_support.h"
#include "report/controls/frame.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::TRect;

TEST(FrameTest, LineWidthsInDevicePixels) {
    const struct {
        int width, dotsPerInch, expected;
    } cases[] = {
        {1, 600, 8},
        {1, 96, 1},
        {2, 96, 3},
        {3, 600, 25},
        // A thin line stays visible; -1 is one device pixel; 0 is nothing.
        {1, 50, 1},
        {-1, 600, 1},
        {0, 600, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FrameLineWidth(c.width, c.dotsPerInch / 254.0L), c.expected)
            << c.width << " at " << c.dotsPerInch;
}

TEST(FrameTest, SidesAreFillsInTheFrameColourInsideTheRectangleInFixedOrder) {
    TQRFrame frame;
    EXPECT_FALSE(frame.AnyFrame());
    frame.SetDrawTop(true);
    frame.SetDrawBottom(true);
    frame.SetDrawLeft(true);
    frame.SetDrawRight(true);
    frame.SetColor(platform::MakeColor(255, 0, 0));
    frame.SetStyle(platform::TPenStyle::Dot);
    test::TRecordingSurface surface(600);
    frame.PaintIt(*surface.Canvas(), {100, 200, 500, 400}, 600 / 254.0L, 600 / 254.0L);
    EXPECT_EQ(surface.Fills(), (std::vector<TRect>{{100, 200, 500, 208},
                                                   {100, 392, 500, 400},
                                                   {100, 200, 108, 400},
                                                   {492, 200, 500, 400}}));
    // Solid fills whatever the style; the brush is left clear.
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

} // namespace
} // namespace zel
