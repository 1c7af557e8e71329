#include "output/windows/report_window_hooks.h"

#include "framework/messages.h"
#include "platform/cp932.h"
#include "platform/qt/qstring_text.h"

#include <QMessageBox>
#include <QtGlobal>
#include <exception>

namespace zel {
namespace {

TReportWindowHooks& Hooks() {
    static TReportWindowHooks hooks;
    return hooks;
}

} // namespace

void SetReportWindowHooks(TReportWindowHooks hooks) {
    Hooks() = std::move(hooks);
}

void HandleReportWindowException() {
    if (Hooks().ShowCurrentException) {
        Hooks().ShowCurrentException();
        return;
    }
    try {
        throw;
    } catch (const std::exception& e) {
        qWarning("report window: %s", cp932::ToUtf8(e.what()).c_str());
    } catch (...) {
        qWarning("report window: unknown exception");
    }
}

void ShowReportWindowMessage(const std::string& text) {
    if (Hooks().ShowMessage) {
        Hooks().ShowMessage(text);
        return;
    }
    QMessageBox::information(nullptr, QString(), cp932::ToQString(text));
}

bool AskReportWindowGoOn(const std::string& warning) {
    const std::string text = warning + cp932::Sys("。\n") + cp932::Sys(msg::kPrintAnyway);
    if (Hooks().AskGoOn)
        return Hooks().AskGoOn(text);
    return QMessageBox::warning(nullptr, QString(), cp932::ToQString(text),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace zel
