#include "output/windows/preview.h"
#include "output/windows/preview_image.h"
#include "platform/cp932.h"
#include "platform/file_system.h"
#include "tests/output/windows/preview_test_support.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/temp_dir.h"

#include <QAction>

namespace zel {
namespace {

using test::TFileDialogAnswer;
using test::TOpenPreview;
using StandardPreviewFiles = test::TOpenPreviewTest;

int PagesInFile(const std::string& fileName) {
    TQRPrinter reader;
    reader.Load(fileName);
    return reader.PageCount();
}

// Pages still being drawn are not a saved report yet, and loading a file
// would pull the pages from under the run: both wait for the run's end.
TEST_F(StandardPreviewFiles, SavingWaitsForTheRunToEndThenWritesEveryPage) {
    const test::TTempDir dir;
    const std::string file = dir.File("tickets.QRP");
    Run(2, false);
    EXPECT_FALSE(preview->SaveReport->isEnabled());
    EXPECT_FALSE(preview->LoadReport->isEnabled());
    {
        const TFileDialogAnswer answer(file);
        preview->SaveClick();
        preview->LoadClick();
        EXPECT_TRUE(answer.Asked.empty());
    }
    EXPECT_FALSE(platform::FileExists(file));
    EXPECT_EQ(printer.Status(), TQRPrinterStatus::Busy);
    EXPECT_FALSE(printer.Cancelled());

    // The run is undisturbed; a cancelled dialog does nothing.
    printer.NewPage();
    printer.EndDoc();
    TOpenPreview::Flush();
    {
        const TFileDialogAnswer cancelled(std::nullopt);
        preview->SaveReport->trigger();
        preview->LoadReport->trigger();
        EXPECT_EQ(cancelled.Asked.size(), 2u);
        EXPECT_EQ(printer.PageCount(), 3);
        EXPECT_FALSE(printer.LoadedFromFile());
    }
    const TFileDialogAnswer answer(file);
    preview->SaveReport->trigger();
    ASSERT_EQ(answer.Asked.size(), 1u);
    EXPECT_EQ(answer.Asked[0].Kind, TReportFileDialog::TKind::Save);
    EXPECT_EQ(answer.Asked[0].Title, cp932::Sys("レポート保存"));
    EXPECT_EQ(answer.Asked[0].Filter, cp932::Sys("Pagetta ファイル(*.QRP)|*.QRP"));
    EXPECT_EQ(answer.Asked[0].DefaultExtension, "QRP");
    EXPECT_EQ(PagesInFile(file), 3);
}

TEST_F(StandardPreviewFiles, LoadingRefusesBadFilesThenShowsAndPlaysBackAGoodOne) {
    const test::TTempDir dir;
    const std::string damaged = dir.File("damaged.QRP");
    test::WriteAll(damaged, std::string(300, 'x'));
    const std::string saved = dir.File("saved.QRP");
    {
        TQRPrinter recorder;
        test::RunReport(recorder, 2);
        recorder.Save(saved);
    }
    printer.OnPrintSetup = [](TQRPrinter&) {};
    Run(3);
    preview->NextPageClick();
    {
        // A missing file is said; a damaged one goes to the error box with
        // its name. Either way the pages shown stay.
        const test::TMessageBoxSpy spy;
        for (const std::string& file : {dir.File("missing.QRP"), damaged}) {
            const TFileDialogAnswer answer(file);
            preview->LoadReport->trigger();
        }
        ASSERT_EQ(spy.shown.size(), 2u);
        EXPECT_EQ(spy.shown[0].text, cp932::Sys("ファイルが存在しません"));
        EXPECT_NE(spy.shown[1].text.find(damaged), std::string::npos);
        EXPECT_EQ(printer.PageCount(), 3);
        EXPECT_FALSE(printer.LoadedFromFile());
        EXPECT_EQ(preview->QRPreview().PageNumber(), 2);
        EXPECT_TRUE(preview->QRPreview().PreviewImage().HasPage());
        EXPECT_TRUE(preview->PrintSetup->isEnabled());
    }

    const TFileDialogAnswer answer(saved);
    preview->LoadReport->trigger();
    ASSERT_EQ(answer.Asked.size(), 1u);
    EXPECT_EQ(answer.Asked[0].Kind, TReportFileDialog::TKind::Open);
    EXPECT_EQ(answer.Asked[0].Title, cp932::Sys("レポート読み込み"));
    EXPECT_EQ(answer.Asked[0].Filter, cp932::Sys("Pagetta ファイル (*.QRP)|*.QRP"));
    EXPECT_EQ(printer.PageCount(), 2);
    EXPECT_EQ(preview->QRPreview().PageNumber(), 1);
    EXPECT_TRUE(preview->QRPreview().PreviewImage().HasPage());
    EXPECT_EQ(preview->PanelText(1), cp932::Sys("ページ: 1 / 2"));
    EXPECT_FALSE(preview->PrintSetup->isEnabled());
    EXPECT_TRUE(preview->Print->isEnabled());
    // Pages of a file are not the report's to make again.
    preview->Print->trigger();
    TOpenPreview::Flush();
    EXPECT_EQ(report.PrintRequests, 0);
}

} // namespace
} // namespace zel
