#include "app/message_box.h"

#include "framework/messages.h"
#include "platform/cp932.h"
#include "platform/qt/qstring_text.h"

#include <QMessageBox>

namespace zel::app {
namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning:
        return QMessageBox::Warning;
    case TMsgDlgType::mtError:
        return QMessageBox::Critical;
    case TMsgDlgType::mtInformation:
        return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

const char* CaptionOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning:
        return msg::kMsgDlgWarning;
    case TMsgDlgType::mtError:
        return msg::kMsgDlgError;
    case TMsgDlgType::mtInformation:
        return msg::kMsgDlgInformation;
    case TMsgDlgType::mtConfirmation:
        return msg::kMsgDlgConfirm;
    }
    return "";
}

} // namespace

void ShowMessageBox(const TMessageBoxRequest& request) {
    if (Handler()) {
        Handler()(request);
        return;
    }
    // No parent: the box is application-modal and Qt centres it on the screen.
    QMessageBox box(IconOf(request.type), cp932::ToQString(request.caption),
                    cp932::ToQString(request.text), QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

void MessageDlg(const std::string& text, TMsgDlgType type) {
    ShowMessageBox({cp932::Sys(CaptionOf(type)), text, type});
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}

} // namespace zel::app
