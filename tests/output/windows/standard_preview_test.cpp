#include "output/windows/preview.h"
#include "output/windows/preview_image.h"
#include "output/windows/toolbar_glyphs.h"
#include "platform/cp932.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/output/windows/standard_preview_support.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>
#include <QtTest/QTest>

namespace zel {
namespace {

using test::TFakeReport;
using test::TOpenPreview;

std::string Sjis(const char* utf8) {
    return cp932::Sys(utf8);
}

using StandardPreviewOpen = test::TOpenPreviewTest;

TEST_F(StandardPreviewOpen,
       OpensMaximizedWithTheToolbarInOrderAndTheCommandsOfAFinishedRunDisabled) {
    ASSERT_TRUE(preview.Open());
    EXPECT_TRUE(preview->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(preview->windowTitle(), QString::fromUtf8("プレビュー"));
    EXPECT_EQ(preview->QRPrinter(), &printer);
    EXPECT_EQ(printer.Client(), &preview->QRPreview());

    std::vector<QString> hints;
    for (QAction* action : preview->ToolBar->actions())
        if (!action->isSeparator() && !action->toolTip().isEmpty() &&
            preview->ToolBar->widgetForAction(action) != preview->ExitButton)
            hints.push_back(action->toolTip());
    const char* const expected[] = {
        "ページ全体を表示", "100%",         "幅を基準に表示", "最初のページ", "前のページ",
        "次のページ",       "最後のページ", "プリンタの設定", "印刷",         "レポートの保存",
        "レポート読み込み"};
    ASSERT_EQ(hints.size(), std::size(expected));
    for (std::size_t i = 0; i < hints.size(); ++i)
        EXPECT_EQ(hints[i], QString::fromUtf8(expected[i])) << i;
    EXPECT_EQ(preview->ExitButton->text(), QString::fromUtf8("閉じる(&C)"));
    EXPECT_EQ(preview->ExitButton->size(), QSize(75, 22));
    EXPECT_EQ(preview->ToolBar->iconSize(), QSize(16, 16));

    EXPECT_TRUE(preview->ZoomToWidth->isChecked());
    EXPECT_FALSE(preview->ZoomFit->isChecked());
    for (QAction* disabled : {preview->PrintSetup, preview->Print})
        EXPECT_FALSE(disabled->isEnabled());
    EXPECT_EQ(preview->PanelText(0), "0%");
    EXPECT_EQ(preview->PanelText(1), Sjis("ページ: 1 / 0"));
}

TEST(StandardPreview, TheGlyphsAreSixteenSquareAndAllDifferent) {
    std::vector<QImage> glyphs;
    for (int i = 0; i < kPreviewGlyphCount; ++i) {
        const QImage glyph = PreviewGlyph(static_cast<TPreviewGlyph>(i)).toImage();
        EXPECT_EQ(glyph.size(), QSize(16, 16)) << i;
        for (const QImage& other : glyphs)
            EXPECT_NE(glyph, other) << i;
        glyphs.push_back(glyph);
    }
}

TEST(StandardPreview, TheCaptionIsTheReportsTitleWhenItHasOne) {
    TFakeReport report;
    TQRPrinter& printer = report.NewPrinter();
    printer.SetTitle(Sjis("受験票"));
    const TOpenPreview preview(printer);
    EXPECT_EQ(preview->windowTitle(), QString::fromUtf8("受験票"));
}

TEST_F(StandardPreviewOpen, ShowsPageOneAsSoonAsItIsFinishedAndOffersPrintingAtTheEnd) {
    Run(2, false); // page 2 still being drawn
    TQRPreview& control = preview->QRPreview();
    EXPECT_TRUE(control.PreviewImage().HasPage());
    EXPECT_EQ(control.ZoomState(), TQRZoomState::FitWidth);
    EXPECT_EQ(preview->PanelText(1), Sjis("ページ: 1 / 2"));
    for (QAction* action :
         {preview->Print, preview->PrintSetup, preview->SaveReport, preview->LoadReport})
        EXPECT_FALSE(action->isEnabled());
    // The page being drawn counts as the last one, and shows when it comes.
    preview->LastPageClick();
    EXPECT_EQ(control.PageNumber(), 2);
    EXPECT_FALSE(control.PreviewImage().HasPage());
    EXPECT_EQ(preview->PanelText(1), Sjis("ページ: 2 / 2"));

    printer.NewPage();
    test::DrawPageMark(printer, test::PageColor(3));
    TOpenPreview::Flush();
    EXPECT_TRUE(control.PreviewImage().HasPage());
    printer.EndDoc();
    TOpenPreview::Flush();
    EXPECT_EQ(preview->PanelText(1), Sjis("ページ: 2 / 3"));
    preview->FirstPageClick();
    EXPECT_EQ(preview->PanelText(1), Sjis("ページ: 1 / 3"));
    for (QAction* action :
         {preview->Print, preview->PrintSetup, preview->SaveReport, preview->LoadReport})
        EXPECT_TRUE(action->isEnabled());

    // Page 1 of 3 fitted to the width, as the operator sees it; its mark
    // sits 10 mm in at 73 %, behind the toolbar.
    const QImage shot = preview->grab().toImage();
    test::KeepScreenshot(*preview.Window(), "preview_fit_width.png");
    const QPoint mark = control.PreviewImage().mapTo(preview.Window(), QPoint(50, 50));
    const platform::TColor color = test::PageColor(1);
    EXPECT_EQ(shot.pixel(mark),
              qRgb(platform::RedOf(color), platform::GreenOf(color), platform::BlueOf(color)));
}

TEST_F(StandardPreviewOpen, ProgressShowsInStepsOfFiveAndClearsAtTheEnds) {
    struct Step {
        int progress;
        const char* panel;
    };
    const Step steps[] = {{3, "0%"},   {5, "5%"},   {7, "5%"}, {10, "10%"},
                          {12, "10%"}, {15, "15%"}, {100, ""}};
    for (const Step& step : steps) {
        printer.SetProgress(step.progress);
        TOpenPreview::Flush();
        EXPECT_EQ(preview->PanelText(0), step.panel) << step.progress;
    }
    // 0 clears too, and starts nothing over: 5 is not 5 above 15.
    printer.SetProgress(0);
    printer.SetProgress(5);
    TOpenPreview::Flush();
    EXPECT_EQ(preview->PanelText(0), "");
}

TEST_F(StandardPreviewOpen, KeysPageThroughTheReport) {
    struct Case {
        int from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int to;
    };
    const Case cases[] = {
        {1, Qt::Key_PageDown, Qt::NoModifier, 2},
        {1, Qt::Key_PageDown, Qt::ControlModifier, 3},
        {1, Qt::Key_PageDown, Qt::ControlModifier | Qt::ShiftModifier, 2},
        {3, Qt::Key_PageDown, Qt::NoModifier, 3},
        {3, Qt::Key_PageUp, Qt::NoModifier, 2},
        {3, Qt::Key_PageUp, Qt::ControlModifier, 1},
        {3, Qt::Key_PageUp, Qt::ControlModifier | Qt::AltModifier, 2},
        {1, Qt::Key_PageUp, Qt::NoModifier, 1},
        {2, Qt::Key_Home, Qt::NoModifier, 1},
        {2, Qt::Key_End, Qt::NoModifier, 3},
        {2, Qt::Key_A, Qt::NoModifier, 2},
    };
    Run(3);
    TQRPreview& control = preview->QRPreview();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " key " << c.key << " mods " << c.modifiers);
        control.SetPageNumber(c.from);
        QTest::keyClick(control.viewport(), c.key, c.modifiers);
        EXPECT_EQ(control.PageNumber(), c.to);
        EXPECT_EQ(control.PreviewImage().PageNumber(), c.to);
        if (c.key != Qt::Key_A) {
            EXPECT_EQ(preview->PanelText(1), Sjis("ページ: ") + std::to_string(c.to) + " / 3");
        }
    }
    QTest::keyClick(preview->ExitButton, Qt::Key_Escape);
    TOpenPreview::Flush();
    EXPECT_FALSE(preview.Open());
    EXPECT_FALSE(report.Owns(&printer));
}

TEST(StandardPreview, TwoPreviewsKeepTheirOwnPrintersAndClosingOneReleasesOnlyItsOwn) {
    TFakeReport report;
    TQRPrinter& first = report.NewPrinter();
    TQRPrinter& second = report.NewPrinter();
    const TOpenPreview firstPreview(first);
    const TOpenPreview secondPreview(second);
    test::RunReport(first, 2);
    test::RunReport(second, 3);
    TOpenPreview::Flush();
    EXPECT_EQ(firstPreview->PanelText(1), Sjis("ページ: 1 / 2"));
    EXPECT_EQ(secondPreview->PanelText(1), Sjis("ページ: 1 / 3"));

    firstPreview->ExitClick();
    TOpenPreview::Flush();
    EXPECT_FALSE(firstPreview.Open());
    EXPECT_FALSE(report.Owns(&first));
    ASSERT_TRUE(report.Owns(&second));
    EXPECT_EQ(second.Client(), &secondPreview->QRPreview());
    secondPreview->LastPageClick();
    EXPECT_EQ(secondPreview->PanelText(1), Sjis("ページ: 3 / 3"));
    EXPECT_TRUE(secondPreview->QRPreview().PreviewImage().HasPage());
}

TEST(StandardPreview, ClosingDuringTheRunCancelsItAndTellsTheReportWithItsPrinter) {
    test::TMasterLog master;
    TQRPrinter printer;
    printer.SetMaster(&master);
    int afterPreview = 0;
    printer.AfterPreview = [&](TQRPrinter&) { ++afterPreview; };
    const TOpenPreview preview(printer);
    test::RunReport(printer, 2, false);
    preview->close();
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_EQ(afterPreview, 1);
    EXPECT_EQ(printer.Client(), nullptr);
    EXPECT_EQ(printer.PreviewForm(), nullptr);
    EXPECT_EQ(master.Closed, std::vector<TQRPrinter*>{&printer});
    // The run goes on to its end with nobody listening.
    printer.NewPage();
    printer.Abort();
    TOpenPreview::Flush();
    EXPECT_FALSE(preview.Open());
    EXPECT_EQ(master.Closed.size(), 1u);
}

TEST_F(StandardPreviewOpen, PrintAsksTheReportAndPrintSetupCallsItsHandler) {
    TQRPrinter* setupFor = nullptr;
    printer.OnPrintSetup = [&](TQRPrinter& sender) { setupFor = &sender; };
    Run(1);
    preview->Print->trigger();
    TOpenPreview::Flush();
    EXPECT_EQ(report.PrintRequests, 1);
    EXPECT_TRUE(preview.Open());
    preview->PrintSetup->trigger();
    EXPECT_EQ(setupFor, &printer);
}

} // namespace
} // namespace zel
