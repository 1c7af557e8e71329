// PDF files of drawn pages: the exact paper, text that stays text, the
// information naming the program, and nothing left behind by a failure.

#include "platform/cp932.h"
#include "platform/pdf_file.h"
#include "tests/support/print_queue.h"
#include "tests/support/temp_dir.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zel::platform {
namespace {

TEST(PdfFile, WritesExactPaperTextAndInformation) {
    test::TTempDir dir;
    const std::string path = dir.File("b5.pdf");
    TPdfFile pdf(path, {182, 257}, cp932::FromUtf8("受験票"));
    ASSERT_TRUE(pdf.Begin());
    // 1016 pixels to the inch: 182 x 257 mm is 7280 x 10280 pixels.
    EXPECT_NEAR(pdf.PageSize().Width, 7280, 1);
    EXPECT_NEAR(pdf.PageSize().Height, 10280, 1);
    pdf.Canvas()->SetFont({.Name = cp932::FromUtf8("ＭＳ 明朝"), .Height = -400});
    pdf.Canvas()->TextOut(400, 400, cp932::FromUtf8("山田　太郎"));
    ASSERT_TRUE(pdf.NewPage());
    pdf.Canvas()->TextOut(400, 400, "200001");
    ASSERT_TRUE(pdf.Finish());

    const QString info = test::RunTool("pdfinfo", {QString::fromStdString(path)});
    // 182 x 257 mm is 515.9 x 728.5 points.
    for (const char* line : {"Title:\\s+受験票", "Producer:\\s+Zelmark", "Pages:\\s+2",
                             "Page size:\\s+515.9\\d* x 728.5"})
        EXPECT_TRUE(info.contains(QRegularExpression(line))) << line << "\n" << info.toStdString();
    const QString text = test::RunTool("pdftotext", {QString::fromStdString(path), "-"});
    EXPECT_TRUE(text.contains("山田")) << text.toStdString();
    EXPECT_TRUE(text.contains("200001")) << text.toStdString();
    const QString fonts = test::RunTool("pdffonts", {QString::fromStdString(path)});
    EXPECT_TRUE(fonts.contains(QRegularExpression("IPAMincho.*CID TrueType\\s+Identity-H\\s+yes")))
        << fonts.toStdString();
    // Embedded whole, the face alone would be megabytes.
    EXPECT_LT(test::ReadAll(path).size(), 100'000u);
}

TEST(PdfFile, FailureOrAbortLeavesTargetAsItWas) {
    test::TTempDir dir;
    const std::string path = dir.File("kept.pdf");
    test::WriteAll(path, "earlier");
    {
        TPdfFile pdf(path, {182, 257}, "t");
        ASSERT_TRUE(pdf.Begin());
        pdf.Canvas()->TextOut(0, 0, "x");
        pdf.Abort();
    }
    {
        TPdfFile pdf(path, {182, 257}, "t");
        ASSERT_TRUE(pdf.Begin()); // destroyed unfinished
    }
    EXPECT_EQ(test::ReadAll(path), "earlier");
    // A folder that is a file cannot take it, even for the superuser.
    TPdfFile blocked(dir.File("kept.pdf/inside.pdf"), {182, 257}, "t");
    EXPECT_FALSE(blocked.Begin());
    // Nor is a pipe replaced by the file.
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(TPdfFile(dir.File("pipe"), {182, 257}, "t").Begin());
    EXPECT_FALSE(QFileInfo(QString::fromStdString(dir.File("pipe"))).isFile());
    QFile::remove(QString::fromStdString(dir.File("pipe")));
    EXPECT_EQ(QDir(QString::fromStdString(dir.Path())).entryList(QDir::Files).size(), 1);
}

} // namespace
} // namespace zel::platform
