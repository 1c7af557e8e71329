// PDF files of drawn pages: the exact paper, text that stays text, the
// information naming the program, and nothing left behind by a failure.

#include "platform/cp932.h"
#include "platform/pdf_file.h"
#include "tests/support/temp_dir.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace zel::platform {
namespace {

using test::ReadAll;
using test::TTempDir;
using test::WriteAll;

QString ToolOutput(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(PdfFile, WritesExactPaperTextAndInformation) {
    TTempDir dir;
    const std::string path = dir.File("b5.pdf");
    TPdfFile pdf(path, {182, 257}, cp932::FromUtf8("受験票"));
    ASSERT_TRUE(pdf.Begin());
    // 1016 pixels to the inch: 182 x 257 mm is 7280 x 10280 pixels.
    EXPECT_NEAR(pdf.PageSize().Width, 7280, 1);
    EXPECT_NEAR(pdf.PageSize().Height, 10280, 1);
    TFontSpec font;
    font.Name = cp932::FromUtf8("ＭＳ 明朝");
    font.Height = -400;
    pdf.Canvas()->SetFont(font);
    pdf.Canvas()->TextOut(400, 400, cp932::FromUtf8("山田　太郎"));
    ASSERT_TRUE(pdf.NewPage());
    pdf.Canvas()->TextOut(400, 400, "200001");
    ASSERT_TRUE(pdf.Finish());

    const QString info = ToolOutput("pdfinfo", {QString::fromStdString(path)});
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+受験票"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Producer:\\s+Zelmark"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2"))) << info.toStdString();
    // 182 x 257 mm is 515.9 x 728.5 points.
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+515.9\\d* x 728.5")))
        << info.toStdString();
    const QString text = ToolOutput("pdftotext", {QString::fromStdString(path), "-"});
    EXPECT_TRUE(text.contains("山田")) << text.toStdString();
    EXPECT_TRUE(text.contains("200001")) << text.toStdString();
    const QString fonts = ToolOutput("pdffonts", {QString::fromStdString(path)});
    EXPECT_TRUE(fonts.contains(QRegularExpression("IPAMincho.*CID TrueType\\s+Identity-H\\s+yes")))
        << fonts.toStdString();
    // Embedded whole, the face alone would be megabytes.
    EXPECT_LT(ReadAll(path).size(), 100'000u);
}

TEST(PdfFile, FailureOrAbortLeavesTargetAsItWas) {
    TTempDir dir;
    const std::string path = dir.File("kept.pdf");
    WriteAll(path, "earlier");
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
    EXPECT_EQ(ReadAll(path), "earlier");
    // A folder that is a file cannot take it, even for the superuser.
    TPdfFile blocked(dir.File("kept.pdf/inside.pdf"), {182, 257}, "t");
    EXPECT_FALSE(blocked.Begin());
    EXPECT_EQ(QDir(QString::fromStdString(dir.Path())).entryList(QDir::Files).size(), 1);
}

} // namespace
} // namespace zel::platform
