#include "output/windows/preview.h"
#include "output/windows/preview_image.h"
#include "output/windows/toolbar_glyphs.h"
#include "platform/cp932.h"
#include "platform/file_system.h"
#include "tests/output/report_printer_test_support.h"
#include "tests/output/windows/preview_test_support.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/temp_dir.h"

#include <QAction>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest/QTest>

namespace zel::test {
namespace {

using StandardPreviewOpen = TOpenPreviewTest;

using Asked = std::vector<std::string>;

std::string PageText(int page, int of) {
    return cp932::Sys("ページ: ") + std::to_string(page) + " / " + std::to_string(of);
}

TEST_F(StandardPreviewOpen, OpensShowsProgressAndPagesAsTheyComePagesByKeysAndClosesOnEscape) {
    ASSERT_TRUE(preview.Open());
    EXPECT_TRUE(preview->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(preview->windowTitle(), QString::fromUtf8("プレビュー"));
    EXPECT_EQ(preview->QRPrinter(), &printer);
    TQRPreview& control = preview->QRPreview();
    QStringList hints;
    for (QAction* action : preview->ToolBar->actions())
        if (!action->isSeparator() && !action->toolTip().isEmpty() &&
            preview->ToolBar->widgetForAction(action) != preview->ExitButton)
            hints << action->toolTip();
    EXPECT_EQ(hints.join('|').toStdString(),
              "ページ全体を表示|100%|幅を基準に表示|最初のページ|前のページ|次のページ|"
              "最後のページ|プリンタの設定|印刷|レポートの保存|レポート読み込み");
    EXPECT_EQ(preview->ExitButton->text(), QString::fromUtf8("閉じる(&C)"));
    EXPECT_EQ(preview->ExitButton->size(), QSize(75, 22));
    EXPECT_EQ(preview->ToolBar->iconSize(), QSize(16, 16));
    EXPECT_TRUE(preview->ZoomToWidth->isChecked());
    EXPECT_EQ(preview->PanelText(0), "0%");
    EXPECT_EQ(preview->PanelText(1), PageText(1, 0));
    const auto commandsEnabled = [&](bool enabled) {
        for (QAction* action :
             {preview->Print, preview->PrintSetup, preview->SaveReport, preview->LoadReport})
            EXPECT_EQ(action->isEnabled(), enabled) << action->toolTip().toStdString();
    };
    commandsEnabled(false);
    // Progress shows in steps of five and clears at the ends.
    const struct {
        int progress;
        const char* panel;
    } steps[] = {{3, "0%"}, {5, "5%"}, {7, "5%"}, {10, "10%"}, {100, ""}};
    for (const auto& step : steps) {
        printer.SetProgress(step.progress);
        TOpenPreview::Flush();
        EXPECT_EQ(preview->PanelText(0), step.panel) << step.progress;
    }
    // 0 clears too, and starts nothing over: 5 is not 5 above 10.
    printer.SetProgress(0);
    printer.SetProgress(5);
    TOpenPreview::Flush();
    EXPECT_EQ(preview->PanelText(0), "");

    // Pages still being drawn are not a saved report yet, and loading a
    // file would pull the pages from under the run: both wait for its end.
    const TTempDir dir;
    const std::string file = dir.File("tickets.QRP");
    Run(2, false); // page 2 still being drawn
    EXPECT_TRUE(control.PreviewImage().HasPage());
    EXPECT_EQ(preview->PanelText(1), PageText(1, 2));
    commandsEnabled(false);
    {
        const TFileDialogAnswer answer(file);
        preview->SaveClick();
        preview->LoadClick();
        EXPECT_TRUE(answer.Asked.empty());
    }
    EXPECT_FALSE(printer.Cancelled());
    // The page being drawn counts as the last one, and shows when it comes.
    preview->LastPageClick();
    EXPECT_EQ(control.PageNumber(), 2);
    EXPECT_FALSE(control.PreviewImage().HasPage());
    EXPECT_EQ(preview->PanelText(1), PageText(2, 2));
    printer.NewPage();
    DrawPageMark(printer, 3);
    TOpenPreview::Flush();
    EXPECT_TRUE(control.PreviewImage().HasPage());
    printer.EndDoc();
    TOpenPreview::Flush();
    EXPECT_EQ(preview->PanelText(1), PageText(2, 3));
    commandsEnabled(true);
    {
        const TFileDialogAnswer cancelled(std::nullopt);
        preview->SaveReport->trigger();
        preview->LoadReport->trigger();
        EXPECT_EQ(cancelled.Asked.size(), 2u);
        EXPECT_FALSE(printer.LoadedFromFile());
        EXPECT_FALSE(platform::FileExists(file));
    }
    {
        const TFileDialogAnswer answer(file);
        preview->SaveReport->trigger();
        EXPECT_EQ(answer.Asked,
                  Asked({cp932::Sys("save レポート保存, Pagetta ファイル(*.QRP)|*.QRP|"
                                    "PDF ファイル (*.pdf)|*.pdf, QRP")}));
        TQRPrinter reader;
        reader.Load(file);
        EXPECT_EQ(reader.PageCount(), 3);
    }
    {
        // The same button writes every page as a PDF when the name says so.
        const TFileDialogAnswer answer(dir.File("tickets.PDF"));
        preview->SaveReport->trigger();
        const std::string pdf = ReadAll(dir.File("tickets.PDF"));
        EXPECT_TRUE(pdf.starts_with("%PDF"));
        EXPECT_NE(pdf.find("/Count 3"), std::string::npos) << "three pages";
    }

    // Page 1 of 3 fitted to the width, as the operator sees it; its mark
    // sits 10 mm in at 73 %, behind the toolbar.
    preview->FirstPageClick();
    EXPECT_EQ(preview->PanelText(1), PageText(1, 3));
    const QImage shot = preview->grab().toImage();
    const QPoint mark = control.PreviewImage().mapTo(preview.Window(), QPoint(50, 50));
    EXPECT_EQ(shot.pixel(mark), Rgb(PageColor(1)));

    // Print asks the report to print again; print setup calls the handler.
    TQRPrinter* setupFor = nullptr;
    printer.OnPrintSetup = [&](TQRPrinter& sender) { setupFor = &sender; };
    preview->Print->trigger();
    TOpenPreview::Flush();
    EXPECT_EQ(report.PrintRequests, 1);
    preview->PrintSetup->trigger();
    EXPECT_EQ(setupFor, &printer);

    const struct {
        int from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int to;
    } keys[] = {{1, Qt::Key_PageDown, Qt::NoModifier, 2},
                {1, Qt::Key_PageDown, Qt::ControlModifier, 3},
                {1, Qt::Key_PageDown, Qt::ControlModifier | Qt::ShiftModifier, 2},
                {3, Qt::Key_PageDown, Qt::NoModifier, 3},
                {3, Qt::Key_PageUp, Qt::ControlModifier, 1},
                {1, Qt::Key_PageUp, Qt::NoModifier, 1},
                {2, Qt::Key_Home, Qt::NoModifier, 1},
                {2, Qt::Key_End, Qt::NoModifier, 3},
                {2, Qt::Key_A, Qt::NoModifier, 2}};
    for (const auto& c : keys) {
        SCOPED_TRACE(testing::Message() << c.from << " key " << c.key << " mods " << c.modifiers);
        control.SetPageNumber(c.from);
        QTest::keyClick(control.viewport(), c.key, c.modifiers);
        EXPECT_EQ(control.PreviewImage().PageNumber(), c.to);
        if (c.key != Qt::Key_A) {
            EXPECT_EQ(preview->PanelText(1), PageText(c.to, 3));
        }
    }
    QTest::keyClick(preview->ExitButton, Qt::Key_Escape);
    TOpenPreview::Flush();
    EXPECT_FALSE(preview.Open());
    EXPECT_FALSE(report.Owns(&printer));
}

// A run that reports no progress: the status bar counts the pages made and
// keeps a busy gauge until the run ends.
TEST_F(StandardPreviewOpen, WithoutProgressTheStatusBarCountsThePagesMade) {
    ASSERT_TRUE(preview.Open());
    EXPECT_FALSE(preview->StatusGauge->isVisible());
    Run(3, false);
    EXPECT_EQ(preview->PanelText(0), cp932::Sys("2 ページ"));
    EXPECT_TRUE(preview->StatusGauge->isVisible());
    EXPECT_EQ(preview->StatusGauge->maximum(), 0);
    printer.EndDoc();
    TOpenPreview::Flush();
    EXPECT_EQ(preview->PanelText(0), cp932::Sys("3 ページ"));
    EXPECT_FALSE(preview->StatusGauge->isVisible());
}

TEST_F(StandardPreviewOpen, APdfOfARunWithoutPagesIsRefusedWithAMessage) {
    ASSERT_TRUE(preview.Open());
    Run(0);
    const TTempDir dir;
    const TMessageBoxSpy spy;
    const TFileDialogAnswer answer(dir.File("none.pdf"));
    preview->SaveReport->trigger();
    ASSERT_EQ(spy.shown.size(), 1u);
    EXPECT_EQ(spy.shown[0].text, cp932::Sys("保存するページがありません"));
    EXPECT_FALSE(platform::FileExists(dir.File("none.pdf")));
}

TEST(StandardPreview, ClosingDuringTheRunTellsTheReportWithItsPrinter) {
    TMasterLog master;
    TQRPrinter printer;
    printer.SetMaster(&master);
    printer.SetTitle(cp932::Sys("受験票"));
    const TOpenPreview preview(printer);
    EXPECT_EQ(preview->windowTitle(), QString::fromUtf8("受験票")) << "the report's title";
    RunReport(printer, 2, false);
    preview->close();
    EXPECT_EQ(printer.PreviewForm(), nullptr);
    EXPECT_EQ(master.Closed, std::vector<TQRPrinter*>{&printer});
    // The run goes on to its end with nobody listening.
    printer.NewPage();
    printer.Abort();
    TOpenPreview::Flush();
    EXPECT_FALSE(preview.Open());
    EXPECT_EQ(master.Closed.size(), 1u);
}

TEST_F(StandardPreviewOpen, LoadingRefusesBadFilesThenShowsAndPlaysBackAGoodOne) {
    const TTempDir dir;
    const std::string damaged = dir.File("damaged.QRP");
    WriteAll(damaged, std::string(300, 'x'));
    const std::string saved = dir.File("saved.QRP");
    {
        TQRPrinter recorder;
        RunReport(recorder, 2);
        recorder.Save(saved);
    }
    // Its records hold together; its page is no recorded page.
    const std::string badPage = dir.File("bad page.QRP");
    {
        TQRPrinter recorder;
        recorder.BeginDoc();
        recorder.PageList().AddPage("not a page");
        recorder.EndDoc();
        recorder.Save(badPage);
    }
    printer.OnPrintSetup = [](TQRPrinter&) {};
    Run(3);
    preview->NextPageClick();
    {
        // A missing file is said; a damaged one goes to the error box with
        // its name. Either way the pages shown stay.
        const TMessageBoxSpy spy;
        for (const std::string& file : {dir.File("missing.QRP"), damaged, badPage}) {
            const TFileDialogAnswer answer(file);
            preview->LoadReport->trigger();
        }
        ASSERT_EQ(spy.shown.size(), 3u);
        EXPECT_EQ(spy.shown[0].text, cp932::Sys("ファイルが存在しません"));
        EXPECT_NE(spy.shown[1].text.find(damaged), std::string::npos);
        EXPECT_EQ(spy.shown[2].text, cp932::Sys("メタファイルが不正です (") + badPage + ")");
        EXPECT_FALSE(printer.LoadedFromFile());
        EXPECT_EQ(preview->QRPreview().PageNumber(), 2);
        EXPECT_TRUE(preview->PrintSetup->isEnabled());
    }

    const TFileDialogAnswer answer(saved);
    preview->LoadReport->trigger();
    EXPECT_EQ(answer.Asked,
              Asked({cp932::Sys("open レポート読み込み, Pagetta ファイル (*.QRP)|*.QRP, QRP")}));
    EXPECT_EQ(preview->PanelText(1), PageText(1, 2));
    EXPECT_FALSE(preview->PrintSetup->isEnabled());
    EXPECT_TRUE(preview->Print->isEnabled());
    // Pages of a file are not the report's to make again. Without a
    // printer the playback says so instead of printing.
    const TMessageBoxSpy noPrinter;
    preview->Print->trigger();
    TOpenPreview::Flush();
    EXPECT_EQ(report.PrintRequests, 0);
}

} // namespace
} // namespace zel::test
