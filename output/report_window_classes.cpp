#include "output/report_window_classes.h"

namespace zel {
namespace {

TQRPrintSetupDialog& PrintSetupDialog() {
    static TQRPrintSetupDialog dialog;
    return dialog;
}

TQRProgressWindowClass& ProgressWindowClass() {
    static TQRProgressWindowClass windowClass;
    return windowClass;
}

TQRNotice& Notice() {
    static TQRNotice notice;
    return notice;
}

TQRGoOnQuestion& GoOnQuestion() {
    static TQRGoOnQuestion question;
    return question;
}

} // namespace

void SetQRNotice(TQRNotice notice) {
    Notice() = std::move(notice);
}

void ShowQRNotice(const std::string& text) {
    if (Notice())
        Notice()(text);
}

void SetQRGoOnQuestion(TQRGoOnQuestion question) {
    GoOnQuestion() = std::move(question);
}

bool AskQRGoOn(const std::string& text) {
    return GoOnQuestion() && GoOnQuestion()(text);
}

void SetQRPrintSetupDialog(TQRPrintSetupDialog dialog) {
    PrintSetupDialog() = std::move(dialog);
}

std::optional<TQRPrintSetupAnswer> ExecuteQRPrintSetup(const TQRPrintSetupRequest& request) {
    if (!PrintSetupDialog())
        return std::nullopt;
    return PrintSetupDialog()(request);
}

void SetQRProgressWindowClass(TQRProgressWindowClass windowClass) {
    ProgressWindowClass() = std::move(windowClass);
}

std::unique_ptr<TQRProgressWindow> CreateQRProgressWindow(TQRPrinter& printer) {
    if (!ProgressWindowClass())
        return nullptr;
    return ProgressWindowClass()(printer);
}

} // namespace zel
