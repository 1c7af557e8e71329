#include "output/windows/report_file_dialogs.h"

#include "platform/qt/qstring_text.h"

#include <QFileDialog>

namespace zel {
namespace {

TReportFileDialogHandler& Handler() {
    static TReportFileDialogHandler handler;
    return handler;
}

// "description|*.ext" becomes Qt's "description (*.ext)"; the description
// already carries the pattern in parentheses, so the pattern is only added
// where Qt reads it.
QString QtFilter(const std::string& filter) {
    const QString text = cp932::ToQString(filter);
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return text;
    const QString description = text.left(bar).trimmed();
    const QString pattern = text.mid(bar + 1);
    if (description.endsWith(QLatin1Char(')')))
        return description.left(description.lastIndexOf(QLatin1Char('('))) + QLatin1Char('(') +
               pattern + QLatin1Char(')');
    return description + QLatin1String(" (") + pattern + QLatin1Char(')');
}

std::optional<std::string> RunQtDialog(const TReportFileDialog& request) {
    QFileDialog dialog(nullptr, cp932::ToQString(request.Title));
    dialog.setNameFilter(QtFilter(request.Filter));
    dialog.setDefaultSuffix(cp932::ToQString(request.DefaultExtension));
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
