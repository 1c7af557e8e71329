#include "framework/messages.h"
#include "output/windows/preview.h"
#include "output/windows/preview_image.h"
#include "platform/cp932.h"
#include "platform/file_system.h"
#include "tests/output/windows/standard_preview_support.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/temp_dir.h"

#include <QAction>

namespace zel {
namespace {

using test::TFileDialogAnswer;
using test::TOpenPreview;

std::string Sjis(const char* utf8) {
    return cp932::Sys(utf8);
}

using StandardPreviewFiles = test::TOpenPreviewTest;

int PagesInFile(const std::string& fileName) {
    TQRPrinter reader;
    reader.Load(fileName);
    return reader.PageCount();
}

TEST_F(StandardPreviewFiles, SavingAsksWithItsTitleAndFilterAndWritesEveryPage) {
    const test::TTempDir dir;
    const std::string file = dir.File("tickets.QRP");
    Run(3);
    const TFileDialogAnswer answer(file);
    preview->SaveReport->trigger();
    ASSERT_EQ(answer.Asked.size(), 1u);
    EXPECT_EQ(answer.Asked[0].Kind, TReportFileDialog::TKind::Save);
    EXPECT_EQ(answer.Asked[0].Title, Sjis("レポート保存"));
    EXPECT_EQ(answer.Asked[0].Filter, Sjis("Pagetta ファイル(*.QRP)|*.QRP"));
    EXPECT_EQ(answer.Asked[0].DefaultExtension, "QRP");
    EXPECT_EQ(PagesInFile(file), 3);
}

TEST_F(StandardPreviewFiles, LoadingShowsTheFilesFirstPageAndPlaysItBackWhenPrinted) {
    const test::TTempDir dir;
    const std::string file = dir.File("saved.QRP");
    {
        TQRPrinter saved;
        test::RunReport(saved, 2);
        saved.Save(file);
    }
    printer.OnPrintSetup = [](TQRPrinter&) {};
    Run(5);
    preview->LastPageClick();

    const TFileDialogAnswer answer(file);
    preview->LoadReport->trigger();
    ASSERT_EQ(answer.Asked.size(), 1u);
    EXPECT_EQ(answer.Asked[0].Kind, TReportFileDialog::TKind::Open);
    EXPECT_EQ(answer.Asked[0].Title, Sjis("レポート読み込み"));
    EXPECT_EQ(answer.Asked[0].Filter, Sjis("Pagetta ファイル (*.QRP)|*.QRP"));
    EXPECT_EQ(printer.PageCount(), 2);
    EXPECT_EQ(preview->QRPreview().PageNumber(), 1);
    EXPECT_TRUE(preview->QRPreview().PreviewImage().HasPage());
    EXPECT_EQ(preview->PanelText(1), Sjis("ページ: 1 / 2"));
    EXPECT_FALSE(preview->PrintSetup->isEnabled());
    EXPECT_TRUE(preview->Print->isEnabled());
    // Pages of a file are not the report's to make again.
    preview->Print->trigger();
    TOpenPreview::Flush();
    EXPECT_EQ(report.PrintRequests, 0);
}

TEST_F(StandardPreviewFiles, AMissingFileIsSaidAndChangesNothing) {
    const test::TTempDir dir;
    Run(3);
    preview->NextPageClick();
    const test::TMessageBoxSpy spy;
    const TFileDialogAnswer answer(dir.File("missing.QRP"));
    preview->LoadReport->trigger();
    ASSERT_EQ(spy.shown.size(), 1u);
    EXPECT_EQ(spy.shown[0].text, Sjis("ファイルが存在しません"));
    EXPECT_EQ(printer.PageCount(), 3);
    EXPECT_FALSE(printer.LoadedFromFile());
    EXPECT_EQ(preview->QRPreview().PageNumber(), 2);
    EXPECT_TRUE(preview->PrintSetup->isEnabled());
}

TEST_F(StandardPreviewFiles, ADamagedFileGoesToTheErrorBoxAndKeepsThePagesShown) {
    const test::TTempDir dir;
    const std::string file = dir.File("damaged.QRP");
    test::WriteAll(file, std::string(300, 'x'));
    Run(3);
    const test::TMessageBoxSpy spy;
    const TFileDialogAnswer answer(file);
    preview->LoadReport->trigger();
    ASSERT_EQ(spy.shown.size(), 1u);
    EXPECT_NE(spy.shown[0].text.find(file), std::string::npos);
    EXPECT_EQ(printer.PageCount(), 3);
    EXPECT_TRUE(preview->QRPreview().PreviewImage().HasPage());
}

// Pages still being drawn are not a saved report yet, and loading a file
// would pull the pages from under the run: both wait for the run's end.
TEST_F(StandardPreviewFiles, SavingAndLoadingWaitForTheRunToEnd) {
    const test::TTempDir dir;
    const std::string file = dir.File("early.QRP");
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

    // The run is undisturbed and the file, once saved, whole.
    printer.NewPage();
    printer.EndDoc();
    TOpenPreview::Flush();
    ASSERT_TRUE(preview->SaveReport->isEnabled());
    const TFileDialogAnswer answer(file);
    preview->SaveReport->trigger();
    EXPECT_EQ(PagesInFile(file), 3);
}

TEST_F(StandardPreviewFiles, ACancelledDialogDoesNothing) {
    Run(2);
    const TFileDialogAnswer answer(std::nullopt);
    preview->SaveReport->trigger();
    preview->LoadReport->trigger();
    EXPECT_EQ(answer.Asked.size(), 2u);
    EXPECT_EQ(printer.PageCount(), 2);
    EXPECT_FALSE(printer.LoadedFromFile());
}

} // namespace
} // namespace zel
