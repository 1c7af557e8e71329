#pragma once
// The CUPS queue that scripts/test sets up for printing tests, backed by a
// PDF writer, and the tools to find and read the PDFs it writes.

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace zel::test {

struct TTestQueue {
    std::string Name;     // code page 932, as the printer list gives it
    int Index = -1;       // in the printer list; -1 when the list lacks it
    QString OutputFolder; // where the queue writes its PDFs
};

// The queue, when scripts/test made one for this run.
std::optional<TTestQueue> TestQueue();
// A second queue on the same writer, stopped (paused) but taking jobs.
std::optional<TTestQueue> PausedTestQueue();

// The PDF a job's title leads to, once the queue has finished writing it;
// empty after a minute without one.
QString WaitForPdf(const QString& folder, const std::string& jobTitle);
QStringList PdfsOf(const QString& folder, const std::string& jobTitle);

// A job title of this test process, so tests running side by side find their own PDFs.
std::string JobTitle(const char* what);

// The standard output of a command-line tool (pdfinfo, pdftotext, ...).
QString RunTool(const QString& tool, const QStringList& arguments);
// The page count pdfinfo reports, or -1.
int PdfPageCount(const QString& pdf);

} // namespace zel::test

// Skips the test, saying why, when there is no queue to print on.
#define REQUIRE_TEST_QUEUE(queue)                                                                  \
    const auto queue = ::zel::test::TestQueue();                                                   \
    if (!queue)                                                                                    \
        GTEST_SKIP() << "no CUPS queue for tests: scripts/test sets ZELMARK_TEST_PRINTER and "     \
                        "ZELMARK_TEST_PDF_DIR when it can run cupsd";                              \
    ASSERT_GE(queue->Index, 0) << queue->Name << " is not among the printers"
