#include "output/windows/preview.h"
#include "output/windows/preview_image.h"
#include "tests/output/windows/preview_test_support.h"

#include <QImage>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace zel {
namespace {

using test::PageColor;
using test::RunReport;

QRgb Rgb(platform::TColor color) {
    return qRgb(platform::RedOf(color), platform::GreenOf(color), platform::BlueOf(color));
}

// A printer and the control shown at 644 x 552, where A4 fitted to the
// width is 73 %.
struct ShownPreview : ::testing::Test {
    // Runs `pages` pages, then shows the control on the printer.
    void Show(int pages) {
        if (pages > 0)
            RunReport(printer, pages);
        preview.resize(644, 552);
        preview.show();
        preview.SetQRPrinter(&printer);
    }

    TQRPrinter printer;
    TQRPreview preview;
};

// A4 portrait on the 96 ppi screen: 794 x 1123 pixels at 100 %.
TEST(PreviewControl, ZoomsFitTheControlAndPlaceThePage) {
    struct Case {
        const char* name;
        bool printer;
        void (*zoom)(TQRPreview&);
        int zoomValue;
        TQRZoomState state;
        QRect image;
    };
    const Case cases[] = {
        {"fit width", true, [](TQRPreview& p) { p.ZoomToWidth(); }, 73, TQRZoomState::FitWidth,
         QRect(30, 0, 583, 823)},
        {"fit page", true, [](TQRPreview& p) { p.ZoomToFit(); }, 47, TQRZoomState::FitPage,
         QRect(133, 10, 377, 532)},
        {"100 %", true, [](TQRPreview& p) { p.SetZoom(100); }, 100, TQRZoomState::Fixed,
         QRect(0, 0, 798, 1127)},
        // Without a printer a letter page in millimetres stands in.
        {"letter fit width", false, [](TQRPreview& p) { p.ZoomToWidth(); }, 283,
         TQRZoomState::FitWidth, QRect(14, 0, 615, 795)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TQRPrinter printer;
        RunReport(printer, 1);
        TQRPreview preview;
        preview.resize(644, 552);
        preview.show();
        if (c.printer)
            preview.SetQRPrinter(&printer);
        c.zoom(preview);
        EXPECT_EQ(preview.Zoom(), c.zoomValue);
        EXPECT_EQ(preview.ZoomState(), c.state);
        EXPECT_EQ(preview.PreviewImage().Zoom(), c.zoomValue);
        EXPECT_EQ(preview.PreviewImage().geometry(), c.image);
    }
}

TEST_F(ShownPreview, ZoomsOutsideTwoToTwoThousandAndPagesOutsideTheRunAreIgnored) {
    Show(3);
    preview.ZoomToWidth();
    for (const int zoom : {1, 2001, 0, -5}) {
        preview.SetZoom(zoom);
        EXPECT_EQ(preview.Zoom(), 73) << zoom;
        EXPECT_EQ(preview.ZoomState(), TQRZoomState::FitWidth) << zoom;
    }
    preview.SetZoom(2);
    EXPECT_EQ(preview.Zoom(), 2);
    preview.SetZoom(2000);
    EXPECT_EQ(preview.Zoom(), 2000);
    EXPECT_EQ(preview.ZoomState(), TQRZoomState::Fixed);

    preview.verticalScrollBar()->setValue(300);
    preview.SetPageNumber(0);
    preview.SetPageNumber(4);
    EXPECT_EQ(preview.PageNumber(), 1);
    EXPECT_EQ(preview.verticalScrollBar()->value(), 300);
    preview.SetPageNumber(3);
    EXPECT_EQ(preview.PageNumber(), 3);
    EXPECT_EQ(preview.PreviewImage().PageNumber(), 3);
    EXPECT_EQ(preview.verticalScrollBar()->value(), 0);
}

TEST_F(ShownPreview, ResizingKeepsAFittedZoomFitted) {
    Show(1);
    preview.ZoomToWidth();
    preview.resize(800, 552);
    EXPECT_EQ(preview.Zoom(), 91);
    EXPECT_EQ(preview.ZoomState(), TQRZoomState::FitWidth);
    preview.SetZoom(100);
    preview.resize(644, 552);
    EXPECT_EQ(preview.Zoom(), 100);
}

TEST_F(ShownPreview, ThePageIsShownFittedToTheWidthAsSoonAsItIsFinished) {
    Show(0);
    EXPECT_EQ(printer.Client(), &preview);
    EXPECT_TRUE(printer.ShowingPreview());
    std::vector<int> announced;
    preview.OnPageAvailable = [&](TQRPreview&, int page) { announced.push_back(page); };

    RunReport(printer, 1, false);
    platform::ProcessPendingMessages();
    // Page 1 is still being drawn: nothing to show yet.
    EXPECT_FALSE(preview.PreviewImage().HasPage());
    EXPECT_EQ(preview.Zoom(), 100);

    printer.NewPage(); // finishes page 1
    platform::ProcessPendingMessages();
    EXPECT_TRUE(preview.PreviewImage().HasPage());
    EXPECT_EQ(preview.Zoom(), 73);
    EXPECT_EQ(preview.ZoomState(), TQRZoomState::FitWidth);

    // A page other than the one shown only tells the window.
    preview.SetZoom(100);
    printer.EndDoc();
    platform::ProcessPendingMessages();
    EXPECT_EQ(preview.Zoom(), 100);
    EXPECT_EQ(announced, (std::vector<int>{1, 2}));
}

TEST(PreviewControl, ProgressIsPassedOnInItsLowSixteenBits) {
    TQRPrinter printer;
    TQRPreview preview;
    preview.SetQRPrinter(&printer);
    std::vector<int> progress;
    preview.OnProgressUpdate = [&](TQRPreview&, int p) { progress.push_back(p); };
    printer.SetProgress(45);
    printer.SetProgress(0x10000 + 7);
    platform::ProcessPendingMessages();
    EXPECT_EQ(progress, (std::vector<int>{45, 7}));
}

TEST_F(ShownPreview, TheImageDrawsThePageWithAFrameAndAShadowOnlyWhenItHasOne) {
    Show(2);
    preview.SetZoom(100);
    preview.SetPageNumber(2);
    TQRPreviewImage& image = preview.PreviewImage();
    const QImage shot = image.grab().toImage();
    const int w = shot.width();
    const int h = shot.height();
    ASSERT_EQ(QSize(w, h), QSize(798, 1127));
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_EQ(shot.pixel(0, 0), black);
    EXPECT_EQ(shot.pixel(w - 3, h - 3), black);
    EXPECT_EQ(shot.pixel(w - 3, 500), black);
    EXPECT_EQ(shot.pixel(400, h - 3), black);
    // The shadow starts two pixels down and right of the frame's corners.
    EXPECT_EQ(shot.pixel(w - 1, 2), black);
    EXPECT_EQ(shot.pixel(2, h - 1), black);
    EXPECT_NE(shot.pixel(w - 1, 1), black);
    EXPECT_NE(shot.pixel(1, h - 1), black);
    EXPECT_EQ(shot.pixel(w - 2, h - 2), black);
    // The page inside: white paper, page 2's mark from 10 mm to 30 mm
    // (38 to 113 pixels of 794, stretched by 798 / 794).
    EXPECT_EQ(shot.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(75, 75), Rgb(PageColor(2)));
    EXPECT_EQ(shot.pixel(120, 75), qRgb(255, 255, 255));

    // Without its page the image paints nothing at all.
    preview.SetQRPrinter(nullptr);
    EXPECT_FALSE(image.HasPage());
    QImage empty(image.size(), QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    image.render(&empty, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(empty.pixel(0, 0), qRgba(0, 0, 0, 0));
    EXPECT_EQ(empty.pixel(75, 75), qRgba(0, 0, 0, 0));
}

TEST(PreviewControl, AttachingAnotherPrinterOrGoingAwayDetachesTheOneBefore) {
    TQRPrinter first;
    TQRPrinter second;
    int afterPreview = 0;
    first.AfterPreview = [&](TQRPrinter&) { ++afterPreview; };
    {
        TQRPreview preview;
        preview.SetQRPrinter(&first);
        RunReport(first, 2, false);
        preview.SetQRPrinter(&second);
        EXPECT_EQ(first.Client(), nullptr);
        EXPECT_FALSE(first.ShowingPreview());
        EXPECT_TRUE(first.Cancelled());
        EXPECT_EQ(afterPreview, 1);
        EXPECT_EQ(second.Client(), &preview);
    }
    EXPECT_EQ(second.Client(), nullptr);
    EXPECT_FALSE(second.ShowingPreview());
}

} // namespace
} // namespace zel
