#include "platform/cp932.h"
#include "platform/qt/page_playback.h"
#include "platform/qt/painter_canvas.h"
#include "platform/recording_canvas.h"
#include "platform/text_metrics.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zel::platform {
namespace {

using TScene = std::function<void(TCanvas&)>;

QImage BlankImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage PaintDirectly(const TScene& scene, int width, int height, qreal scale = 1) {
    QImage image = BlankImage(width, height);
    QPainter painter(&image);
    painter.scale(scale, scale);
    TPainterCanvas canvas(painter, ScreenPixelsPerInch());
    scene(canvas);
    return image;
}

// Records the scene on a `page` (default: the image) and plays its bytes
// back into `target` (default: the whole image).
QImage PaintRecorded(const TScene& scene, int width, int height, QSize page = {},
                     QRect target = {}) {
    TRecordingCanvas recorder(page.isValid() ? page.width() : width,
                              page.isValid() ? page.height() : height);
    scene(recorder);
    const auto loaded = LoadRecordedPage(recorder.Page().Serialize());
    EXPECT_TRUE(loaded.has_value());
    QImage image = BlankImage(width, height);
    if (loaded) {
        QPainter painter(&image);
        PlayRecordedPage(*loaded, painter, target.isNull() ? QRect(0, 0, width, height) : target);
    }
    return image;
}

// The bounds of every pixel that is not white; all zero when there is none.
TRect InkBounds(const QImage& image) {
    TRect r{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r.Right == 0 ? TRect{} : r;
}

const TFontSpec kMincho{cp932::FromUtf8("ＭＳ Ｐ明朝"), -19, 0, 0, kShiftJisCharset, kBlack};

// Something of every kind: the pictures must match pixel for pixel.
void MixedScene(TCanvas& c) {
    c.SetBrush({MakeColor(230, 230, 255), TBrushStyle::Solid});
    c.FillRect({5, 5, 195, 40});
    c.SetPen({MakeColor(0, 120, 0), 3, TPenStyle::Dot});
    c.MoveTo(10, 50);
    c.LineTo(190, 50);
    c.SetPen({kBlack, 1, TPenStyle::DashDot});
    c.MoveTo(20, 60);
    c.LineTo(120, 110);
    c.SetFont(kMincho);
    c.SetBkMode(TBkMode::Transparent);
    c.TextOut(12, 12, cp932::FromUtf8("髙橋　一郎"));
    c.SetFont({cp932::FromUtf8("ＭＳ ゴシック"), 0, 10, fsBold | fsUnderline, kShiftJisCharset,
               MakeColor(0, 0, 160)});
    c.SetBkMode(TBkMode::Opaque);
    c.SetBkColor(MakeColor(255, 255, 0));
    c.SetTextAlign(TTextAlign::Right);
    c.TextOut(190, 70, "12345");
    c.SetClipRect({100, 90, 150, 100});
    c.SetTextAlign(TTextAlign::Center);
    c.TextOut(125, 85, cp932::FromUtf8("受験会場"));
    c.ClearClip();
    c.SetBrush({MakeColor(0, 200, 200), TBrushStyle::Solid});
    c.SetPen({MakeColor(160, 0, 160), 3, TPenStyle::Solid});
    c.Ellipse({130, 60, 170, 90});
}

TEST(PagePlayback, RecordedPageLooksLikeDirectPainting) {
    const QImage direct = PaintDirectly(MixedScene, 200, 120);
    EXPECT_EQ(PaintRecorded(MixedScene, 200, 120), direct);
    EXPECT_NE(InkBounds(direct), TRect{}) << "the scene drew something";
    // Stretched to twice the size it is the same as painting at twice the scale.
    EXPECT_EQ(PaintRecorded(MixedScene, 400, 240, {200, 120}),
              PaintDirectly(MixedScene, 400, 240, 2));
}

std::vector<std::string> g_Warnings;

void KeepWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_Warnings.push_back(message.toStdString());
}

TEST(PagePlayback, TextStretchedFarOutOfShapeDrawsWithoutWarningsOrCrash) {
    // A page one pixel wide stretched onto 48 and squeezed in height: each glyph far wider than
    // high, which Qt's glyph cache cannot take. The second page puts a 36-pixel glyph exactly on
    // the area up to which Qt still caches; squeezed to two pixels, its strokes leave no ink.
    struct Case {
        int fontHeight;
        QSize page;
        bool inked;
    };
    for (const Case c :
         {Case{kMincho.Height, QSize(1, 400), true}, Case{-36, QSize(1, 972), false}}) {
        SCOPED_TRACE(c.page.height());
        const TScene scene = [&c](TCanvas& canvas) {
            TFontSpec font = kMincho;
            font.Height = c.fontHeight;
            canvas.SetFont(font);
            canvas.SetBkMode(TBkMode::Transparent);
            canvas.TextOut(-9, 0, cp932::FromUtf8("受験票"));
        };
        g_Warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(KeepWarnings);
        const QImage image = PaintRecorded(scene, 48, 64, c.page);
        qInstallMessageHandler(previous);
        EXPECT_EQ(g_Warnings, std::vector<std::string>{});
        EXPECT_EQ(InkBounds(image) != TRect{}, c.inked);
    }
}

TEST(PagePlayback, TextLandsWhereItWasDrawn) {
    const std::string text = cp932::FromUtf8("受験番号 W");
    const TSize extent = MeasureText(kMincho, text);
    ASSERT_GT(extent.Width, 60);
    struct Case {
        TTextAlign align;
        int x;
        int left; // where the advance starts
    };
    for (const Case c :
         {Case{TTextAlign::Left, 40, 40}, Case{TTextAlign::Right, 260, 260 - extent.Width},
          Case{TTextAlign::Center, 150, 150 - extent.Width / 2}}) {
        SCOPED_TRACE(int(c.align));
        const TScene scene = [&](TCanvas& canvas) {
            canvas.SetFont(kMincho);
            canvas.SetBkMode(TBkMode::Transparent);
            canvas.SetTextAlign(c.align);
            canvas.TextOut(c.x, 30, text);
        };
        const TRect ink = InkBounds(PaintRecorded(scene, 300, 80));
        // Glyphs sit a little inside their advance; the ink is within the cell.
        EXPECT_NEAR(ink.Left, c.left + 1.5, 1.5);
        EXPECT_NEAR(ink.Right, c.left + extent.Width - 1.5, 2.5);
        EXPECT_GE(ink.Top, 30);
        EXPECT_LE(ink.Bottom, 30 + extent.Height);
        EXPECT_GT(ink.Bottom - ink.Top, 12);
    }
}

TEST(PagePlayback, ShapesCoverExactlyTheirPixels) {
    const TPenSpec thin{kBlack, 1, TPenStyle::Solid}, none{kBlack, 1, TPenStyle::Clear},
        hairline{kBlack, 0, TPenStyle::Solid}, inside4{kBlack, 4, TPenStyle::InsideFrame},
        inside5{kBlack, 5, TPenStyle::InsideFrame};
    const TBrushSpec clear{kBlack, TBrushStyle::Clear}, black{kBlack, TBrushStyle::Solid};
    const auto fill = [](TBrushSpec brush, TRect r) -> TScene {
        return [=](TCanvas& c) { c.SetBrush(brush), c.FillRect(r); };
    };
    const auto frame = [&](TPenSpec pen, TRect r) -> TScene {
        return [=](TCanvas& c) { c.SetPen(pen), c.SetBrush(clear), c.Rectangle(r); };
    };
    const auto oval = [&](TPenSpec pen, TRect r) -> TScene {
        return [=](TCanvas& c) { c.SetPen(pen), c.SetBrush(clear), c.Ellipse(r); };
    };
    const auto line = [&](TPoint from, TPoint to) -> TScene {
        return [=](TCanvas& c) { c.SetPen(thin), c.MoveTo(from.X, from.Y), c.LineTo(to.X, to.Y); };
    };
    const auto clipped = [&](bool cleared) -> TScene {
        return [=](TCanvas& c) {
            c.SetBrush(black), c.SetClipRect({12, 0, 15, 40});
            if (cleared)
                c.ClearClip();
            c.FillRect({10, 10, 20, 20});
        };
    };
    const struct {
        const char* what;
        TScene scene;
        TRect ink;
    } cases[] = {
        {"fill", fill(black, {10, 12, 20, 15}), {10, 12, 20, 15}},
        {"fill ignores a clear brush", fill(clear, {3, 4, 5, 6}), {3, 4, 5, 6}},
        {"reversed fill is empty", fill(black, {20, 5, 10, 9}), {}},
        {"outline", frame(thin, {10, 10, 30, 20}), {10, 10, 30, 20}},
        {"pen width 0 is one pixel", frame(hairline, {1, 1, 4, 4}), {1, 1, 4, 4}},
        {"clear pen and brush draw nothing", frame(none, {1, 1, 9, 9}), {}},
        {"inside frame stays inside", frame(inside4, {10, 10, 30, 30}), {10, 10, 30, 30}},
        {"thick inside-frame ellipse", oval(inside5, {5, 6, 35, 26}), {5, 6, 35, 26}},
        {"clear ellipse draws nothing", oval(none, {1, 1, 9, 9}), {}},
        {"line across leaves out its end", line({5, 7}, {15, 7}), {5, 7, 15, 8}},
        {"line upwards leaves out its end", line({5, 20}, {5, 10}), {5, 11, 6, 21}},
        {"clip cuts a fill", clipped(false), {12, 10, 15, 20}},
        {"cleared clip cuts nothing", clipped(true), {10, 10, 20, 20}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InkBounds(PaintDirectly(c.scene, 40, 40)), c.ink) << c.what;
        EXPECT_EQ(InkBounds(PaintRecorded(c.scene, 40, 40)), c.ink) << c.what;
    }
}

TEST(PagePlayback, EllipsesAreFilledInsideTheirOutlineAndLeaveTheCornersBlank) {
    const QRgb fill = qRgb(255, 0, 0);
    const TScene scene = [](TCanvas& c) {
        c.SetPen({kBlack, 1, TPenStyle::Solid});
        c.SetBrush({MakeColor(255, 0, 0), TBrushStyle::Solid});
        c.Ellipse({10, 10, 40, 30});
    };
    for (const QImage& image : {PaintDirectly(scene, 50, 40), PaintRecorded(scene, 50, 40)}) {
        EXPECT_EQ(InkBounds(image), (TRect{10, 10, 40, 30}));
        EXPECT_EQ(image.pixel(25, 20), fill);
        for (const QPoint edge : {QPoint(25, 10), QPoint(10, 20), QPoint(39, 20)})
            EXPECT_EQ(image.pixel(edge), qRgb(0, 0, 0)) << edge.x() << "," << edge.y();
        for (const QPoint corner : {QPoint(10, 10), QPoint(39, 10), QPoint(10, 29), QPoint(39, 29)})
            EXPECT_EQ(image.pixel(corner), qRgb(255, 255, 255)) << corner.x() << "," << corner.y();
    }
    // A clear pen leaves only the brush, never past the rectangle.
    const TRect ink = InkBounds(PaintDirectly(
        [](TCanvas& c) {
            c.SetPen({kBlack, 1, TPenStyle::Clear});
            c.SetBrush({kBlack, TBrushStyle::Solid});
            c.Ellipse({10, 10, 40, 30});
        },
        50, 40));
    EXPECT_GE(std::min(ink.Left, ink.Top), 10);
    EXPECT_LE(std::max(ink.Right, ink.Bottom + 10), 40);
    EXPECT_GT(ink.Right - ink.Left, 25);
}

TEST(PagePlayback, PagesStretchIntoTheirTargetAndNest) {
    const TScene half = [](TCanvas& c) {
        c.SetBrush({kBlack, TBrushStyle::Solid});
        c.FillRect({0, 0, 50, 50});
    };
    // A 100 x 50 page shown at twice its size, moved by (10, 20).
    EXPECT_EQ(InkBounds(PaintRecorded(half, 240, 140, {100, 50}, {10, 20, 200, 100})),
              (TRect{10, 20, 110, 120}));

    TRecordingCanvas inner(100, 50), clearing(100, 50);
    half(inner);
    // The outer clip holds while the inner page clears its own.
    clearing.ClearClip();
    clearing.SetBrush({kBlack, TBrushStyle::Solid});
    clearing.FillRect({0, 0, 100, 50});
    const TScene outer = [&](TCanvas& c) {
        c.PlayPage(inner.Page(), {0, 0, 50, 25});
        c.SetClipRect({60, 0, 70, 100});
        c.PlayPage(clearing.Page(), {50, 0, 100, 100});
        c.ClearClip();
    };
    const QImage nested = PaintRecorded(outer, 100, 100);
    EXPECT_EQ(InkBounds(nested.copy(0, 0, 50, 100)), (TRect{0, 0, 25, 25}));
    EXPECT_EQ(InkBounds(nested.copy(50, 0, 50, 100)), (TRect{10, 0, 20, 100}));
    EXPECT_EQ(PaintDirectly(outer, 100, 100), nested);
    // A page without size draws nothing.
    EXPECT_EQ(InkBounds(PaintRecorded(half, 40, 40, {0, 50})), TRect{});
}

TEST(TextMetrics, RecordingAndPaintingMeasureAlike) {
    QImage image = BlankImage(10, 10);
    QPainter painter(&image);
    TPainterCanvas painted(painter, ScreenPixelsPerInch());
    TRecordingCanvas recorded(10, 10);
    for (const TFontSpec& font :
         {kMincho, TFontSpec{cp932::FromUtf8("ＭＳ Ｐゴシック"), 0, 14, fsBold, 128, kBlack},
          TFontSpec{"Arial", -12, 0, fsItalic, 0, kBlack}}) {
        painted.SetFont(font);
        recorded.SetFont(font);
        for (const char* utf8 : {"W", "", "塾名を入れます"}) {
            const std::string text = cp932::FromUtf8(utf8);
            EXPECT_EQ(painted.TextExtent(text), recorded.TextExtent(text)) << utf8;
            EXPECT_EQ(recorded.TextExtent(text), MeasureText(recorded.Font(), text)) << utf8;
        }
    }
    // Proportional faces are narrower than their fixed-pitch twins.
    const std::string name = cp932::FromUtf8("髙橋　一郎 abc");
    TFontSpec fixed = kMincho;
    fixed.Name = cp932::FromUtf8("ＭＳ 明朝");
    EXPECT_LT(MeasureText(kMincho, name).Width, MeasureText(fixed, name).Width);
}

} // namespace
} // namespace zel::platform
