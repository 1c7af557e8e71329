#include "framework/exceptions.h"
#include "output/windows/preview.h"
#include "output/windows/preview_image.h"
#include "tests/output/windows/preview_test_support.h"
#include "tests/support/temp_dir.h"

#include <QImage>
#include <QScrollBar>
#include <filesystem>
#include <tuple>

namespace zel::test {
namespace {

// The zoom, its mode and where the page image sits: "73 width 30,0 583x823".
std::string Placed(TQRPreview& preview) {
    static const char* const modes[] = {"page", "width", "fixed"};
    const QRect at = preview.PreviewImage().geometry();
    std::string placed = std::to_string(preview.Zoom()) + ' ' +
                         modes[static_cast<int>(preview.ZoomState())] + ' ' +
                         std::to_string(at.x()) + ',' + std::to_string(at.y()) + ' ' +
                         std::to_string(at.width()) + 'x' + std::to_string(at.height());
    if (preview.PreviewImage().Zoom() != preview.Zoom())
        placed += " image at " + std::to_string(preview.PreviewImage().Zoom());
    return placed;
}

// The control shown at 644 x 552, where A4 fitted to the width is 73 %.
struct ShownPreview : ::testing::Test {
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
TEST_F(ShownPreview, ZoomsFitTheControlAndIgnoreZoomsAndPagesOutOfRange) {
    Show(3);
    preview.ZoomToFit();
    EXPECT_EQ(Placed(preview), "47 page 133,10 377x532");
    preview.ZoomToWidth();
    EXPECT_EQ(Placed(preview), "73 width 30,0 583x823");
    for (const int zoom : {1, 2001, 0, -5}) {
        preview.SetZoom(zoom);
        EXPECT_EQ(Placed(preview), "73 width 30,0 583x823") << zoom;
    }
    preview.resize(800, 552);
    EXPECT_EQ(preview.Zoom(), 91) << "a fitted zoom stays fitted";
    EXPECT_EQ(preview.ZoomState(), TQRZoomState::FitWidth);
    preview.resize(644, 552);
    for (const int zoom : {2, 2000, 100}) {
        preview.SetZoom(zoom);
        EXPECT_EQ(preview.Zoom(), zoom);
    }
    EXPECT_EQ(Placed(preview), "100 fixed 0,0 798x1127");
    preview.resize(800, 552);
    EXPECT_EQ(preview.Zoom(), 100);

    preview.verticalScrollBar()->setValue(300);
    preview.SetPageNumber(0);
    preview.SetPageNumber(4);
    EXPECT_EQ(preview.PageNumber(), 1);
    EXPECT_EQ(preview.verticalScrollBar()->value(), 300);
    preview.SetPageNumber(3);
    EXPECT_EQ(preview.PreviewImage().PageNumber(), 3);
    EXPECT_EQ(preview.verticalScrollBar()->value(), 0);

    // Without a printer a letter page in millimetres stands in.
    preview.SetQRPrinter(nullptr);
    preview.resize(644, 552);
    preview.ZoomToWidth();
    EXPECT_EQ(Placed(preview), "283 width 14,0 615x795");
}

TEST_F(ShownPreview, ThePageShowsFittedAsSoonAsItIsFinishedWithAFrameAndAShadow) {
    Show(0);
    EXPECT_EQ(printer.Client(), &preview);
    std::vector<int> announced, progress;
    preview.OnPageAvailable = [&](TQRPreview&, int page) { announced.push_back(page); };
    preview.OnProgressUpdate = [&](TQRPreview&, int p) { progress.push_back(p); };

    RunReport(printer, 1, false);
    platform::ProcessPendingMessages();
    EXPECT_FALSE(preview.PreviewImage().HasPage()) << "page 1 is still being drawn";
    EXPECT_EQ(preview.Zoom(), 100);

    printer.NewPage(); // finishes page 1
    DrawPageMark(printer, 2);
    platform::ProcessPendingMessages();
    EXPECT_TRUE(preview.PreviewImage().HasPage());
    EXPECT_EQ(preview.Zoom(), 73);

    // A page other than the one shown only tells the window.
    preview.SetZoom(100);
    printer.EndDoc();
    // Progress is passed on in its low sixteen bits.
    printer.SetProgress(45);
    printer.SetProgress(0x10000 + 7);
    platform::ProcessPendingMessages();
    EXPECT_EQ(preview.Zoom(), 100);
    EXPECT_EQ(announced, (std::vector<int>{1, 2}));
    EXPECT_EQ(progress, (std::vector<int>{45, 7}));

    // At 100 % the image draws the page with a frame and a shadow, and
    // nothing at all when it has no page.
    preview.SetPageNumber(2);
    TQRPreviewImage& image = preview.PreviewImage();
    const QImage shot = image.grab().toImage();
    const int w = shot.width();
    const int h = shot.height();
    ASSERT_EQ(QSize(w, h), QSize(798, 1127));
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_EQ(std::pair(shot.pixel(0, 0), shot.pixel(w - 3, h - 3)), std::pair(black, black));
    // The shadow starts two pixels down and right of the frame's corners.
    EXPECT_EQ(std::pair(shot.pixel(w - 1, 2), shot.pixel(2, h - 1)), std::pair(black, black));
    EXPECT_NE(shot.pixel(w - 1, 1), black);
    EXPECT_NE(shot.pixel(1, h - 1), black);
    EXPECT_EQ(shot.pixel(w - 2, h - 2), black);
    // The page inside: white paper, page 2's mark from 10 mm to 30 mm
    // (38 to 113 pixels of 794, stretched by 798 / 794).
    EXPECT_EQ(shot.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(75, 75), Rgb(PageColor(2)));
    EXPECT_EQ(shot.pixel(120, 75), qRgb(255, 255, 255));

    preview.SetQRPrinter(nullptr);
    EXPECT_FALSE(image.HasPage());
    QImage empty(image.size(), QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    image.render(&empty, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(empty.pixel(0, 0), qRgba(0, 0, 0, 0));
}

// A saved report cut short after loading: its last page raises, and the
// page shown stays shown and paintable.
TEST_F(ShownPreview, APageThatCannotBeReadLeavesThePageShown) {
    TTempDir dir;
    const std::string path = dir.File("cut.qrp");
    RunReport(printer, 3);
    printer.Save(path);
    printer.Load(path);
    Show(0);
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 10);
    EXPECT_THROW(preview.SetPageNumber(3), EFileError);
    TQRPreviewImage& image = preview.PreviewImage();
    EXPECT_EQ(std::tuple(preview.PageNumber(), image.PageNumber(), image.HasPage()),
              std::tuple(1, 1, true));
    image.resize(200, 280);
    EXPECT_EQ(image.grab().toImage().pixel(19, 19), Rgb(PageColor(1)));
}

TEST(PreviewControl, AttachingAnotherPrinterOrGoingAwayDetachesTheOneBefore) {
    TQRPrinter first, second;
    {
        TQRPreview preview;
        preview.SetQRPrinter(&first);
        RunReport(first, 2, false);
        preview.SetQRPrinter(&second);
        EXPECT_EQ(first.Client(), nullptr);
        EXPECT_FALSE(first.ShowingPreview());
        EXPECT_EQ(second.Client(), &preview);
    }
    EXPECT_EQ(second.Client(), nullptr);
    EXPECT_FALSE(second.ShowingPreview());
}

} // namespace
} // namespace zel::test
