#include "band_test_support.h"
#include "report/controls/shape.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::TPenStyle;
using platform::TRect;
using Records = std::vector<platform::TPageRecord>;

constexpr platform::TColor kBlue = platform::MakeColor(0, 0, 255);

// A shape on the ticket band, 254 x 127 tenths of a millimetre at (100, 50):
// 96 x 48 pixels at (38, 19) on the screen, 600 x 300 at (236, 118) at 600 dpi.
TQRShape* AddShape(test::TTicketReport& ticket, TShapeType type) {
    auto* shape = ticket.report.Own(std::make_unique<TQRShape>());
    shape->SetParent(ticket.band);
    shape->Size().SetUnits(TQRUnit::Native);
    shape->Size().ReadValues({127, 100, 50, 254});
    shape->SetShape(type);
    shape->SetBrush({kBlue, platform::TBrushStyle::Solid});
    return shape;
}

Records PrintShape(TShapeType type, int dotsPerInch,
                   platform::TPenSpec pen = {platform::kBlack, 1, TPenStyle::Solid}) {
    test::TTicketReport ticket;
    TQRShape* shape = AddShape(ticket, type);
    shape->SetPen(pen);
    test::TRecordingSurface surface(dotsPerInch);
    ticket.PrintAlone(*shape, surface);
    return surface.Records();
}

TEST(ShapeTest, ShapesLieInDevicePixelsAndLinesAreFilledInThePenColour) {
    const struct {
        TShapeType type;
        int dotsPerInch;
        std::vector<TRect> fills; // lines
        TRect outline = {};       // rectangles and circles, with their pen
        int penWidth = 0;
    } cases[] = {
        // One point is one pixel on the screen and eight at 600 dpi.
        {qrsVertLine, 96, {{85, 19, 86, 67}}},
        {qrsHorLine, 96, {{38, 42, 134, 43}}},
        {qrsTopAndBottom, 96, {{38, 19, 134, 20}, {38, 66, 134, 67}}},
        {qrsRightAndLeft, 96, {{38, 19, 39, 67}, {133, 19, 134, 67}}},
        {qrsVertLine, 600, {{532, 118, 540, 418}}},
        {qrsHorLine, 600, {{236, 264, 836, 272}}},
        {qrsTopAndBottom, 600, {{236, 118, 836, 126}, {236, 410, 836, 418}}},
        {qrsRightAndLeft, 600, {{236, 118, 244, 418}, {828, 118, 836, 418}}},
        {qrsRectangle, 96, {}, {38, 19, 134, 67}, 1},
        {qrsRectangle, 600, {}, {236, 118, 836, 418}, 8},
        // The largest circle, centred across the wider side.
        {qrsCircle, 96, {}, {62, 19, 110, 67}, 1},
        {qrsCircle, 600, {}, {386, 118, 686, 418}, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " at " << c.dotsPerInch);
        const Records printed = PrintShape(c.type, c.dotsPerInch);
        EXPECT_EQ(test::Fills(printed), c.fills);
        const auto brushes = test::All<platform::TBrushRecord>(printed);
        const auto rectangles = test::All<platform::TRectangleRecord>(printed);
        const auto ellipses = test::All<platform::TEllipseRecord>(printed);
        ASSERT_FALSE(brushes.empty());
        if (!c.fills.empty()) {
            // Filled in the pen's colour, not the brush's.
            EXPECT_EQ(brushes.front().Brush,
                      (platform::TBrushSpec{platform::kBlack, platform::TBrushStyle::Solid}));
            EXPECT_TRUE(rectangles.empty() && ellipses.empty());
            continue;
        }
        // Outlined inside with the scaled pen, filled with the brush.
        ASSERT_EQ(rectangles.size() + ellipses.size(), 1u);
        EXPECT_EQ(c.type == qrsRectangle ? rectangles.at(0).Rect : ellipses.at(0).Rect, c.outline);
        const auto pens = test::All<platform::TPenRecord>(printed);
        ASSERT_EQ(pens.size(), 1u);
        EXPECT_EQ(pens[0].Pen,
                  (platform::TPenSpec{platform::kBlack, c.penWidth, TPenStyle::InsideFrame}));
        EXPECT_EQ(brushes.size(), 1u);
        EXPECT_EQ(brushes[0].Brush.Color, kBlue);
    }
}

TEST(ShapeTest, PenWidthsFollowTheFrameRulesAndTheFrameIsDrawnOnlyWithAPrinter) {
    // Widths in device pixels are the frame's (see its tests); a clear pen draws no line at all.
    EXPECT_TRUE(
        test::Fills(PrintShape(qrsHorLine, 96, {platform::kBlack, 3, TPenStyle::Clear})).empty());
    // A dashed outline keeps its style; without a line only the brush fills.
    const auto dashed = PrintShape(qrsRectangle, 96, {platform::kBlack, 2, TPenStyle::Dash});
    EXPECT_EQ(test::All<platform::TPenRecord>(dashed).at(0).Pen,
              (platform::TPenSpec{platform::kBlack, 3, TPenStyle::Dash}));
    const auto bare = PrintShape(qrsCircle, 96, {platform::kBlack, 0, TPenStyle::Solid});
    EXPECT_EQ(test::All<platform::TPenRecord>(bare).at(0).Pen.Style, TPenStyle::Clear);
    EXPECT_EQ(test::All<platform::TEllipseRecord>(bare).size(), 1u);
    test::TTicketReport ticket;
    TQRShape* shape = AddShape(ticket, qrsHorLine);
    shape->Frame().SetDrawLeft(true);
    shape->Print(0, 0); // not prepared: no printer, no canvas
    test::TRecordingSurface surface;
    ticket.PrintAlone(*shape, surface, 0, 490);
    // The line through the middle, 490 lower, then the frame's left side.
    EXPECT_EQ(surface.Fills(), (std::vector<TRect>{{38, 227, 134, 228}, {38, 204, 39, 252}}));
}

} // namespace
} // namespace zel
