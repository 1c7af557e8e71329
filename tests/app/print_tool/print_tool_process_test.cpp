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
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/stat.h>

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
    test::WriteAll(dir.File("utf16.ini"), std::string("\xFF\xFE[\0b\0]\0", 8));
    test::WriteAll(dir.File("notes.ini"), "name: ゼルマーク塾\n");
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
         "none.txt: 一覧ファイルを読めません: そのようなファイル",
         1},
        {{".", "--term", "夏期", "--pdf", "out.pdf"},
         ".: 一覧ファイルを読めません: フォルダです",
         1},
        {{"-", "--term", "夏期", "--pdf", "out.pdf"}, "標準入力が空です", 1},
        {{"list.txt", "--term", "夏期", "--pdf", "nodir/out.pdf"},
         "nodir/out.pdf を作成できません: フォルダ nodir がありません",
         1},
        {{"list.txt", "--term", "夏期", "--pdf", "."}, ". を作成できません: フォルダです", 1},
        {{"list.txt", "--term", "夏期", "--qrp", "/dev/null"}, "通常のファイルではありません", 1},
        {{"list.txt", "--term", "夏期", "--pdf", "out.pdf", "--settings", "utf16.ini"},
         "utf16.ini: UTF-16 で書かれています",
         1},
        {{"list.txt", "--term", "夏期", "--pdf", "out.pdf", "--settings", "notes.ini"},
         "notes.ini: 設定ファイルではありません",
         1},
        {{"list.txt", "--term", "夏期", "--pdf", "out.pdf", "--year", "令和8"}, "--year", 2},
        {{"--calibration", "list.txt", "--pdf", "out.pdf"}, "--calibration に一覧", 2},
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
         "list.txt/out.pdf を作成できません: list.txt はフォルダではありません",
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

    // Standard input closed, not merely empty.
    QProcess closed;
    closed.setWorkingDirectory(QString::fromStdString(dir.Path()));
    closed.start("/bin/sh", {"-c", "exec \"$0\" \"$@\" <&-", ZELMARK_PRINT_PATH, "-", "--term",
                             "夏期", "--pdf", "out.pdf"});
    ASSERT_TRUE(closed.waitForFinished(120000));
    EXPECT_EQ(closed.exitCode(), 1);
    EXPECT_NE(closed.readAllStandardError().toStdString().find("標準入力が閉じています"),
              std::string::npos);
    EXPECT_EQ(FilesIn(), before);
}

// Without a settings file the school name and the year must be given, and
// print offsets that come from nowhere are said to be 0.
TEST_F(PrintTool, WithoutItsSettingsTheToolAsksRatherThanGuesses) {
    ASSERT_TRUE(QFile::remove(QString::fromStdString(dir.File("zel.ini"))));
    const std::string zelIni = dir.File("zel.ini");
    const TToolResult bare = RunTool(dir.Path(), {"list.txt", "--term", "夏期", "--pdf", "a.pdf"});
    EXPECT_EQ(bare.exitCode, 1);
    EXPECT_NE(
        bare.err.find("塾名 (--school) と年度 (--year) がありません: " + zelIni + " がありません"),
        std::string::npos)
        << bare.err;
    const TToolResult given = RunTool(dir.Path(), {"list.txt", "--term", "夏期", "--pdf", "a.pdf",
                                                   "--school", "ゼルマーク塾", "--year", "8"});
    EXPECT_EQ(given.exitCode, 0) << given.err;
    EXPECT_NE(given.err.find("警告: 印字位置は 0 です: " + zelIni + " がありません"),
              std::string::npos)
        << given.err;

    // A file without the year or the offsets says which.
    test::WriteAll(zelIni, "[basic]\nname=ゼルマーク塾\n[margin]\ntop=2\n");
    const TToolResult noYear =
        RunTool(dir.Path(), {"list.txt", "--term", "夏期", "--pdf", "b.pdf"});
    EXPECT_EQ(noYear.exitCode, 1);
    EXPECT_NE(noYear.err.find("年度 (--year) がありません: " + zelIni +
                              " の [basic] に year がありません"),
              std::string::npos)
        << noYear.err;
    const TToolResult year =
        RunTool(dir.Path(), {"list.txt", "--term", "夏期", "--pdf", "b.pdf", "--year", "31"});
    EXPECT_EQ(year.exitCode, 0) << year.err;
    EXPECT_NE(year.err.find("印字位置 left、space、height は 0 です"), std::string::npos)
        << year.err;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.File("b.pdf"))));
}

// "--pdf -" writes the document to standard output and nothing to disk.
TEST_F(PrintTool, WritesThePdfToStandardOutput) {
    const std::vector<std::string> before = FilesIn();
    const test::TTempDir temp;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", QString::fromStdString(temp.Path()));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QString::fromStdString(dir.Path()));
    process.start(ZELMARK_PRINT_PATH, {"--term", "夏期", "--pdf", "-", "--", "list.txt"});
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(120000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QByteArray pdf = process.readAllStandardOutput();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(FilesIn(), before);
    EXPECT_TRUE(QDir(QString::fromStdString(temp.Path())).isEmpty(QDir::Files | QDir::Hidden));

    // Not onto a terminal: script(1) gives the tool one.
    QProcess terminal;
    terminal.setWorkingDirectory(QString::fromStdString(dir.Path()));
    terminal.start("script", {"-qec", QString(ZELMARK_PRINT_PATH) + " list.txt --term 夏期 --pdf -",
                              "/dev/null"});
    terminal.closeWriteChannel();
    ASSERT_TRUE(terminal.waitForFinished(120000));
    const QByteArray shown = terminal.readAllStandardOutput();
    EXPECT_EQ(terminal.exitCode(), 1);
    EXPECT_TRUE(shown.contains("標準出力が端末です")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("%PDF"));
}

// The size of the page file that process `pid` holds open in `tempDir`,
// or -1 while it has none. The file has no name in the folder: only the
// process's open files still show where it was made.
qint64 PageFileSize(qint64 pid, const std::string& tempDir) {
    std::error_code error;
    for (const auto& fd :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
        struct stat info {};
        if (target.rfind(tempDir + "/", 0) == 0 && target.ends_with(" (deleted)") &&
            ::stat(fd.path().c_str(), &info) == 0)
            return info.st_size;
    }
    return -1;
}

// What the process's main thread waits in, as the kernel names it.
std::string WaitChannel(qint64 pid) {
    return test::ReadAll("/proc/" + std::to_string(pid) + "/wchan");
}

// Ctrl+C while the pages are made and while the PDF is written, and a
// SIGKILL while the pages are made: no file is left anywhere.
TEST_F(PrintTool, CtrlCStopsTheRunAndNeitherItNorAKillLeavesAFile) {
    std::string list;
    for (int i = 0; i < 20000; ++i)
        list += std::to_string(300000 + i) + ",受験者,本校\n";
    test::WriteAll(dir.File("many.txt"), list);
    const std::vector<std::string> before = FilesIn();
    const struct {
        const char* name;
        int signal;
        bool writing;
    } cases[] = {{"making the pages", SIGINT, false},
                 {"writing the PDF", SIGINT, true},
                 {"killed", SIGKILL, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The pages move to a temporary file once they pass 100 KB: then the
        // run is well under way, with most of its 2,000 pages still to make.
        // Once that file stops growing, the PDF is being written.
        const test::TTempDir temp;
        const QDir tempDir(QString::fromStdString(temp.Path()));
        QProcess process;
        qint64 lastSize = -1;
        QElapsedTimer unchanged;
        const auto started = [&] {
            const qint64 size = PageFileSize(process.processId(), temp.Path());
            if (!c.writing || size < 0)
                return size >= 0;
            if (size != lastSize) {
                lastSize = size;
                unchanged.start();
            }
            return unchanged.elapsed() > 300;
        };
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", QString::fromStdString(temp.Path()));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QString::fromStdString(dir.Path()));
        process.start(ZELMARK_PRINT_PATH, {"many.txt", "--term", "夏期", "--pdf", "many.pdf"});
        ASSERT_TRUE(process.waitForStarted());
        while (!started() && process.state() == QProcess::Running)
            process.waitForFinished(5);
        ASSERT_EQ(process.state(), QProcess::Running) << "the run ended before it could be stopped";
        EXPECT_TRUE(tempDir.isEmpty(QDir::Files | QDir::Hidden)) << "the page file has no name";
        ::kill(static_cast<pid_t>(process.processId()), c.signal);
        ASSERT_TRUE(process.waitForFinished(120000));

        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit) << "ended by the signal, not by exit";
        if (c.signal == SIGINT) {
            EXPECT_NE(process.readAllStandardError().toStdString().find("中断しました"),
                      std::string::npos);
        }
        EXPECT_TRUE(tempDir.isEmpty(QDir::Files | QDir::Hidden)) << "no page file is left";
        EXPECT_EQ(FilesIn(), before);
    }
}

// Ctrl+C while the tool waits for its list: a FIFO nobody writes to yet,
// or standard input that stays open with nothing on it.
TEST_F(PrintTool, CtrlCStopsTheToolWhileItWaitsForTheList) {
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    const std::vector<std::string> before = FilesIn();
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "FIFO" : "standard input");
        QProcess process;
        process.setWorkingDirectory(QString::fromStdString(dir.Path()));
        process.start(ZELMARK_PRINT_PATH,
                      {fifo ? "fifo" : "-", "--term", "夏期", "--pdf", "out.pdf"});
        ASSERT_TRUE(process.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        while (WaitChannel(process.processId()).find(fifo ? "partner" : "pipe_read") ==
                   std::string::npos &&
               waited.elapsed() < 60000)
            process.waitForFinished(5);
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        ASSERT_TRUE(process.waitForFinished(10000)) << "still waiting for the list";
        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
        EXPECT_NE(process.readAllStandardError().toStdString().find("中断しました"),
                  std::string::npos);
        EXPECT_EQ(FilesIn(), before);
    }
}

} // namespace
} // namespace zel::app
