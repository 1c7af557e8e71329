// zelmark-print run as a process, the way a script runs it: its outputs, the same pages as the
// preview, and every failure with its one line, its exit code and no file left behind.

#include "tests/app/ticket_report_test_support.h"
#include "tests/support/print_queue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>

namespace zel::app {
namespace {

struct TToolResult {
    int exitCode = -1;
    std::string err;
};

TToolResult RunTool(const std::string& folder, const QStringList& args,
                    const QByteArray& input = {}) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(folder));
    process.start(ZELMARK_PRINT_PATH, args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardError().toStdString()};
}

// Every word of a PDF with its box, as "word x y" lines, positions in points.
QStringList WordBoxes(const std::string& pdf) {
    const QString html = test::RunTool("pdftotext", {"-bbox", QString::fromStdString(pdf), "-"});
    QStringList words;
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        words << match.captured(3) + " " + match.captured(1) + " " + match.captured(2);
    }
    return words;
}

class PrintTool : public testing::Test {
protected:
    void SetUp() override {
        test::WriteAll(dir.File("zel.ini"),
                       "[basic]\nname=ゼルマーク塾\nyear=31\n[margin]\nleft=3\ntop=-2\nspace=1\n"
                       "height=2\n");
        test::WriteAll(dir.File("list.txt"), "100001\t受験者1\t本校\n100002\t受験者2\t本校\n"
                                             "100003\t受験者3\t駅前校\n");
    }
    std::vector<std::string> FilesIn() const {
        const QStringList names = QDir(QString::fromStdString(dir.Path())).entryList(QDir::Files);
        std::vector<std::string> files;
        for (const QString& name : names)
            files.push_back(name.toStdString());
        return files;
    }
    test::TTempDir dir;
};

TEST_F(PrintTool, PdfHasTheSamePagesAndPositionsAsThePreview) {
    const TToolResult tool =
        RunTool(dir.Path(), {"list.txt", "--term", "夏期", "--pdf", "tool.pdf"});
    ASSERT_EQ(tool.exitCode, 0) << tool.err;

    // The main window's road: the same list, captions and zel.ini.
    test::TTicketRun run;
    const test::TCurrentDirectory in(dir.Path());
    for (int i = 1; i <= 3; ++i)
        run.examinees.Add({"10000" + std::to_string(i), "受験者" + std::to_string(i),
                           i == 3 ? "駅前校" : "本校"});
    run.Print();
    ASSERT_TRUE(run.report.QRPrinter()->SaveToPdf(dir.File("preview.pdf")));

    const QString info = test::RunTool("pdfinfo", {QString::fromStdString(dir.File("tool.pdf"))});
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+515.9\\d* x 728.5")))
        << info.toStdString();
    const QStringList toolWords = WordBoxes(dir.File("tool.pdf"));
    EXPECT_TRUE(toolWords.filter("受験者3").size() == 1) << toolWords.join("\n").toStdString();
    EXPECT_EQ(toolWords, WordBoxes(dir.File("preview.pdf")));

    // A range past the last sheet ends with the last sheet; the title is
    // the list's name without its last extension.
    QFile::copy(QString::fromStdString(dir.File("list.txt")),
                QString::fromStdString(dir.File("class.a.txt")));
    const TToolResult ranged = RunTool(
        dir.Path(), {"class.a.txt", "--term", "夏期", "--pdf", "ranged.pdf", "--to", "2000000000"});
    ASSERT_EQ(ranged.exitCode, 0) << ranged.err;
    const QString rangedInfo =
        test::RunTool("pdfinfo", {QString::fromStdString(dir.File("ranged.pdf"))});
    EXPECT_TRUE(rangedInfo.contains(QRegularExpression("Pages:\\s+1\\n")));
    EXPECT_TRUE(rangedInfo.contains(QRegularExpression("Title:\\s+class.a\\n")))
        << rangedInfo.toStdString();

    // The calibration sheet is one sheet, however tall the rows make it.
    test::WriteAll(dir.File("tall.ini"), "[margin]\nheight=40\n");
    const TToolResult sheet = RunTool(
        dir.Path(), {"--calibration", "--settings", "tall.ini", "--pdf", "calibration.pdf"});
    ASSERT_EQ(sheet.exitCode, 0) << sheet.err;
    EXPECT_TRUE(test::RunTool("pdfinfo", {QString::fromStdString(dir.File("calibration.pdf"))})
                    .contains(QRegularExpression("Pages:\\s+1\\n")));
}

TEST_F(PrintTool, ReadsTenThousandLinesFromStandardInputAndWarnsOnce) {
    // Row 1 has a character code page 932 lacks, row 2 a "?" of its own.
    QByteArray list = "200000,𠮷田,本校\n200001,山田?,本校\n";
    for (int i = 2; i < 10000; ++i)
        list += QByteArray::number(200000 + i) + ",山田　" + QByteArray::number(i) + ",本校\n";
    const TToolResult tool =
        RunTool(dir.Path(), {"-", "--term", "冬期", "--qrp", "all.qrp", "--quiet"}, list);
    ASSERT_EQ(tool.exitCode, 0) << tool.err;
    EXPECT_NE(tool.err.find("1 行目: 𠮷"), std::string::npos) << tool.err;
    EXPECT_EQ(tool.err.find("1 行目: 「?」"), std::string::npos) << tool.err;
    EXPECT_NE(tool.err.find("2 行目: 「?」"), std::string::npos) << tool.err;
    TQRPrinter printer;
    printer.Load(dir.File("all.qrp"));
    // Eight tickets to a B5 sheet: four rows of two.
    EXPECT_EQ(printer.PageCount(), 1250);
}

TEST_F(PrintTool, PrintsItsPageRangeOnTheQueue) {
    REQUIRE_TEST_QUEUE(queue);
    QByteArray list;
    for (int i = 0; i < 20; ++i)
        list += QByteArray::number(300000 + i) + ",受験者" + QByteArray::number(i) + ",本校\n";
    const std::string title = test::JobTitle("tool");
    const TToolResult tool = RunTool(dir.Path(),
                                     {"-", "--term", "秋期", "--printer",
                                      QString::fromStdString(cp932::ToUtf8(queue->Name)), "--from",
                                      "2", "--to", "3", "--title", QString::fromStdString(title)},
                                     list);
    ASSERT_EQ(tool.exitCode, 0) << tool.err;
    const QString pdf = test::WaitForPdf(queue->OutputFolder, title);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(test::PdfPageCount(pdf), 2);
    const QString text = test::RunTool("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.contains("受験者8")) << text.toStdString();
    EXPECT_FALSE(text.contains("受験者0\n")) << "page 1 is not printed";

    // Past the last of its three pages nothing prints, and the tool says so.
    const TToolResult past =
        RunTool(dir.Path(),
                {"-", "--term", "秋期", "--printer",
                 QString::fromStdString(cp932::ToUtf8(queue->Name)), "--from", "4"},
                list);
    EXPECT_EQ(past.exitCode, 1);
    EXPECT_NE(past.err.find("ページ 4 からのページがありません (全 3 ページ)"), std::string::npos)
        << past.err;
}

// Every failure says why in one line, with its exit code, and leaves no file.
TEST_F(PrintTool, FailuresSayWhyAndLeaveNoFile) {
    test::WriteAll(dir.File("bad.txt"), "100001\t\x81\n");
    test::WriteAll(dir.File("bad.ini"), "[margin]\nleft=3mm\n");
    const std::vector<std::string> before = FilesIn();
    const std::string inputs =
        test::ReadAll(dir.File("list.txt")) + test::ReadAll(dir.File("zel.ini"));
    const struct {
        QStringList args;
        const char* message; // part of the one line
        int exitCode;
    } cases[] = {
        {{"list.txt", "--pdf", "out.pdf"}, "使い方", 2},
        {{"none.txt", "--term", "夏期", "--pdf", "out.pdf"},
         "none.txt: 一覧ファイルを読めません",
         1},
        {{"bad.txt", "--term", "夏期", "--pdf", "out.pdf"}, "bad.txt: 1 行目に Shift-JIS", 1},
        {{"list.txt", "--term", "夏期", "--pdf", "./list.txt"},
         "./list.txt: 一覧ファイルと同じ",
         1},
        {{"list.txt", "--term", "夏期", "--qrp", "zel.ini"}, "zel.ini: 設定ファイルと同じ", 1},
        {{"list.txt", "--term", "夏期", "--pdf", "bad.ini", "--settings", "bad.ini"},
         "bad.ini: 設定ファイルと同じ",
         1},
        {{"list.txt", "--term", "夏期", "--printer", "nosuch"},
         "nosuch: そのような名前のプリンタ",
         1},
        {{"list.txt", "--term", "夏期", "--pdf", "list.txt/out.pdf"},
         "list.txt/out.pdf を作成できません",
         1},
        {{"list.txt", "--term", "夏期", "--pdf", "out.pdf", "--settings", "bad.ini"},
         "bad.ini: [margin] left の値 \"3mm\"",
         1},
        {{"list.txt", "--term", "夏期", "--pdf", "out.pdf", "--from", "5"}, "ページ 5 から", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const TToolResult tool = RunTool(dir.Path(), c.args);
        EXPECT_EQ(tool.exitCode, c.exitCode);
        EXPECT_NE(tool.err.find(c.message), std::string::npos) << tool.err;
        EXPECT_EQ(FilesIn(), before);
    }
    EXPECT_EQ(test::ReadAll(dir.File("list.txt")) + test::ReadAll(dir.File("zel.ini")), inputs);
}

// Ctrl+C while the pages are made, and while the PDF is written.
TEST_F(PrintTool, CtrlCStopsTheRunLeavesNoFileAndEndsByTheSignal) {
    std::string list;
    for (int i = 0; i < 20000; ++i)
        list += std::to_string(300000 + i) + ",受験者,本校\n";
    test::WriteAll(dir.File("many.txt"), list);
    const std::vector<std::string> before = FilesIn();
    for (const bool writing : {false, true}) {
        SCOPED_TRACE(writing ? "writing the PDF" : "making the pages");
        // The pages move to a temporary file once they pass 100 KB: then the
        // run is well under way, with most of its 2,000 pages still to make.
        // Once that file stops growing, the PDF is being written.
        const test::TTempDir temp;
        const QDir tempDir(QString::fromStdString(temp.Path()));
        qint64 lastSize = -1;
        QElapsedTimer unchanged;
        const auto started = [&] {
            const QFileInfoList files = tempDir.entryInfoList(QDir::Files);
            if (!writing || files.isEmpty())
                return !files.isEmpty();
            if (files.front().size() != lastSize) {
                lastSize = files.front().size();
                unchanged.start();
            }
            return unchanged.elapsed() > 300;
        };
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", QString::fromStdString(temp.Path()));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QString::fromStdString(dir.Path()));
        process.start(ZELMARK_PRINT_PATH, {"many.txt", "--term", "夏期", "--pdf", "many.pdf"});
        ASSERT_TRUE(process.waitForStarted());
        while (!started() && process.state() == QProcess::Running)
            process.waitForFinished(5);
        ASSERT_EQ(process.state(), QProcess::Running) << "the run ended before it could be stopped";
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        ASSERT_TRUE(process.waitForFinished(120000));

        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit) << "ended by SIGINT, not by exit";
        EXPECT_NE(process.readAllStandardError().toStdString().find("中断しました"),
                  std::string::npos);
        EXPECT_TRUE(tempDir.isEmpty(QDir::Files | QDir::Hidden)) << "the page file was deleted";
        EXPECT_EQ(FilesIn(), before);
    }
}

} // namespace
} // namespace zel::app
