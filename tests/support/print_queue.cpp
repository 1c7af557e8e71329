#include "tests/support/print_queue.h"

#include "platform/cp932.h"
#include "platform/printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>

namespace zel::test {

namespace {

std::optional<TTestQueue> QueueNamedBy(const char* variable) {
    const QString name = qEnvironmentVariable(variable);
    const QString folder = qEnvironmentVariable("ZELMARK_TEST_PDF_DIR");
    if (name.isEmpty() || folder.isEmpty())
        return std::nullopt;
    TTestQueue queue{cp932::FromUtf8(name.toStdString()), -1, folder};
    const std::vector<std::string> names = platform::PrinterNames();
    const auto it = std::find(names.begin(), names.end(), queue.Name);
    if (it != names.end())
        queue.Index = static_cast<int>(it - names.begin());
    return queue;
}

} // namespace

std::optional<TTestQueue> TestQueue() {
    return QueueNamedBy("ZELMARK_TEST_PRINTER");
}

std::optional<TTestQueue> PausedTestQueue() {
    return QueueNamedBy("ZELMARK_TEST_PAUSED_PRINTER");
}

QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPageCount(const QString& pdf) {
    const QRegularExpressionMatch pages =
        QRegularExpression("Pages:\\s+(\\d+)").match(RunTool("pdfinfo", {pdf}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

std::string JobTitle(const char* what) {
    return std::string("zelmark-") + what + "-" +
           std::to_string(QCoreApplication::applicationPid());
}

QStringList PdfsOf(const QString& folder, const std::string& jobTitle) {
    return QDir(folder).entryList({QString::fromStdString(jobTitle) + "*.pdf"}, QDir::Files);
}

QString WaitForPdf(const QString& folder, const std::string& jobTitle) {
    for (int attempt = 0; attempt < 600; ++attempt) {
        const QStringList files = PdfsOf(folder, jobTitle);
        if (!files.isEmpty()) {
            const QString path = QDir(folder).filePath(files.first());
            if (RunTool("pdfinfo", {path}).contains("Pages:"))
                return path;
        }
        QThread::msleep(100);
    }
    return {};
}

} // namespace zel::test
