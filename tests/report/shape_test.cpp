#include "band_test_support.h"
#include "report/controls/shape.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::TRect;

// A shape on the ticket band, 254 x 127 tenths of a millimetre at (100, 50):
// 96 x 48 pixels at (38, 19) on the screen, 600 x 300 at (236, 118) at 600 dpi.
TQRShape* AddShape(test::TTicketReport& ticket, TShapeType type) {
    auto* shape = ticket.report.Own(std::make_unique<TQRShape>());
    shape->SetParent(ticket.band);
    shape->Size().SetUnits(TQRUnit::Native);
    shape->Size().SetLeft(100);
    shape->Size().SetTop(50);
    shape->Size().SetWidth(254);
    shape->Size().SetHeight(127);
    shape->SetShape(type);
    return shape;
}

struct TPrinted {
    std::vector<platform::TPageRecord> records;
    template <class Record> std::vector<Record> All() const {
        std::vector<Record> found;
        for (const auto& record : records)
            if (const Record* r = std::get_if<Record>(&record))
                found.push_back(*r);
        return found;
    }
    std::vector<TRect> Fills() const {
        std::vector<TRect> rects;
        for (const auto& fill : All<platform::TFillRectRecord>())
            rects.push_back(fill.Rect);
        return rects;
    }
};

TPrinted PrintShape(TShapeType type, int dotsPerInch,
                    const platform::TPenSpec& pen = {platform::kBlack, 1,
                                                     platform::TPenStyle::Solid}) {
    test::TTicketReport ticket;
    TQRShape* shape = AddShape(ticket, type);
    shape->SetPen(pen);
    shape->SetBrush({platform::MakeColor(0, 0, 255), platform::TBrushStyle::Solid});
    test::TRecordingSurface surface(dotsPerInch);
    ticket.report.StartRun(surface);
    shape->Print(0, 0);
    ticket.report.EndRun();
    return {surface.Records()};
}

TEST(ShapeTest, NewShapeIsSixtyFivePixelsSquareRectangle) {
    TQRShape shape;
    EXPECT_EQ(shape.Width(), 65);
    EXPECT_EQ(shape.Height(), 65);
    EXPECT_EQ(shape.Shape(), qrsRectangle);
}

TEST(ShapeTest, LinesLieInTheMiddleOrAlongTheEdgesInDevicePixels) {
    struct TCase {
        TShapeType type;
        int dotsPerInch;
        std::vector<TRect> fills;
    };
    const std::vector<TCase> cases = {
        // One point is one pixel on the screen and eight at 600 dpi.
        {qrsVertLine, 96, {{85, 19, 86, 67}}},
        {qrsHorLine, 96, {{38, 42, 134, 43}}},
        {qrsTopAndBottom, 96, {{38, 19, 134, 20}, {38, 66, 134, 67}}},
        {qrsRightAndLeft, 96, {{38, 19, 39, 67}, {133, 19, 134, 67}}},
        {qrsVertLine, 600, {{532, 118, 540, 418}}},
        {qrsHorLine, 600, {{236, 264, 836, 272}}},
        {qrsTopAndBottom, 600, {{236, 118, 836, 126}, {236, 410, 836, 418}}},
        {qrsRightAndLeft, 600, {{236, 118, 244, 418}, {828, 118, 836, 418}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " at " << c.dotsPerInch);
        const TPrinted printed = PrintShape(c.type, c.dotsPerInch);
        EXPECT_EQ(printed.Fills(), c.fills);
        // Filled in the pen's colour, not the brush's.
        const auto brushes = printed.All<platform::TBrushRecord>();
        ASSERT_FALSE(brushes.empty());
        EXPECT_EQ(brushes.front().Brush,
                  (platform::TBrushSpec{platform::kBlack, platform::TBrushStyle::Solid}));
        EXPECT_TRUE(printed.All<platform::TRectangleRecord>().empty());
    }
}

TEST(ShapeTest, RectangleAndCircleAreOutlinedInsideWithTheScaledPen) {
    struct TCase {
        TShapeType type;
        int dotsPerInch;
        TRect rect;
        int penWidth;
    };
    for (const TCase c : {TCase{qrsRectangle, 96, {38, 19, 134, 67}, 1},
                          TCase{qrsRectangle, 600, {236, 118, 836, 418}, 8},
                          // The largest circle, centred across the wider side.
                          TCase{qrsCircle, 96, {62, 19, 110, 67}, 1},
                          TCase{qrsCircle, 600, {386, 118, 686, 418}, 8}}) {
        SCOPED_TRACE(testing::Message() << c.type << " at " << c.dotsPerInch);
        const TPrinted printed = PrintShape(c.type, c.dotsPerInch);
        const auto rectangles = printed.All<platform::TRectangleRecord>();
        const auto ellipses = printed.All<platform::TEllipseRecord>();
        ASSERT_EQ(rectangles.size() + ellipses.size(), 1u);
        EXPECT_EQ(c.type == qrsRectangle ? rectangles.at(0).Rect : ellipses.at(0).Rect, c.rect);
        const auto pens = printed.All<platform::TPenRecord>();
        ASSERT_EQ(pens.size(), 1u);
        EXPECT_EQ(pens[0].Pen, (platform::TPenSpec{platform::kBlack, c.penWidth,
                                                   platform::TPenStyle::InsideFrame}));
        const auto brushes = printed.All<platform::TBrushRecord>();
        ASSERT_EQ(brushes.size(), 1u);
        EXPECT_EQ(brushes[0].Brush.Color, platform::MakeColor(0, 0, 255));
        EXPECT_TRUE(printed.Fills().empty());
    }
}

TEST(ShapeTest, PenWidthsFollowTheFrameRules) {
    using platform::TPenStyle;
    // -1 is one device pixel; 0 and a clear pen draw no line at all.
    EXPECT_EQ(PrintShape(qrsVertLine, 600, {platform::kBlack, -1, TPenStyle::Solid}).Fills(),
              (std::vector<TRect>{{535, 118, 536, 418}}));
    EXPECT_TRUE(
        PrintShape(qrsTopAndBottom, 600, {platform::kBlack, 0, TPenStyle::Solid}).Fills().empty());
    EXPECT_TRUE(
        PrintShape(qrsHorLine, 96, {platform::kBlack, 3, TPenStyle::Clear}).Fills().empty());
    // A dashed outline keeps its style; without a line only the brush fills.
    const auto dashed = PrintShape(qrsRectangle, 96, {platform::kBlack, 2, TPenStyle::Dash});
    EXPECT_EQ(dashed.All<platform::TPenRecord>().at(0).Pen,
              (platform::TPenSpec{platform::kBlack, 3, TPenStyle::Dash}));
    const auto bare = PrintShape(qrsCircle, 96, {platform::kBlack, 0, TPenStyle::Solid});
    EXPECT_EQ(bare.All<platform::TPenRecord>().at(0).Pen.Style, TPenStyle::Clear);
    EXPECT_EQ(bare.All<platform::TEllipseRecord>().size(), 1u);
}

TEST(ShapeTest, NothingIsDrawnWithoutAPageButTheFrameIsDrawnWithOne) {
    test::TTicketReport ticket;
    TQRShape* shape = AddShape(ticket, qrsHorLine);
    shape->Frame().SetDrawLeft(true);
    shape->Print(0, 0); // no run: no printer, no canvas
    test::TRecordingSurface surface;
    ticket.report.StartRun(surface);
    shape->Print(0, 490);
    ticket.report.EndRun();
    // The line through the middle, 490 lower, then the frame's left side.
    const TPrinted printed{surface.Records()};
    EXPECT_EQ(printed.Fills(), (std::vector<TRect>{{38, 227, 134, 228}, {38, 204, 39, 252}}));
}

} // namespace
} // namespace zel
