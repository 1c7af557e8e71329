#include "output/windows/report_file_dialogs.h"

#include "platform/qt/qstring_text.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace zel {
namespace {

TReportFileDialogHandler& Handler() {
    static TReportFileDialogHandler handler;
    return handler;
}

// Each "description|*.ext" pair becomes Qt's "description (*.ext)"; a
// description that already carries the pattern in parentheses gets the
// pattern only where Qt reads it.
QStringList QtFilters(const std::string& filter) {
    const QStringList parts = cp932::ToQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString& pattern = parts[i + 1];
        if (description.endsWith(QLatin1Char(')')))
            filters << description.left(description.lastIndexOf(QLatin1Char('('))) +
                           QLatin1Char('(') + pattern + QLatin1Char(')');
        else
            filters << description + QLatin1String(" (") + pattern + QLatin1Char(')');
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty())
        filters << parts.back();
    return filters;
}

// The extension of a filter's first pattern: "pdf" for "PDF (*.pdf)".
QString FilterExtension(const QString& filter) {
    const qsizetype dot = filter.indexOf(QLatin1String("*."));
    if (dot < 0)
        return {};
    QString extension = filter.mid(dot + 2);
    const qsizetype end = extension.indexOf(QRegularExpression(QStringLiteral("[ );]")));
    return end < 0 ? extension : extension.left(end);
}

std::optional<std::string> RunQtDialog(const TReportFileDialog& request) {
    QFileDialog dialog(nullptr, cp932::ToQString(request.Title));
    dialog.setNameFilters(QtFilters(request.Filter));
    dialog.setDefaultSuffix(cp932::ToQString(request.DefaultExtension));
    // A name typed without an extension gets the chosen type's.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            if (const QString extension = FilterExtension(filter); !extension.isEmpty())
                dialog.setDefaultSuffix(extension);
        });
    if (request.Kind == TReportFileDialog::TKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // A name that does not exist is answered by the preview itself.
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return cp932::FromQString(dialog.selectedFiles().first());
}

} // namespace

std::optional<std::string> ExecuteReportFileDialog(const TReportFileDialog& dialog) {
    if (Handler())
        return Handler()(dialog);
    return RunQtDialog(dialog);
}

void SetReportFileDialogHandler(TReportFileDialogHandler handler) {
    Handler() = std::move(handler);
}

} // namespace zel
