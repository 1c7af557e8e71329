#include "app/message_box.h"

#include "framework/messages.h"
#include "platform/cp932.h"
#include "platform/qt/qstring_text.h"

#include <QMessageBox>
#include <QPushButton>

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

bool ShowMessageBox(const TMessageBoxRequest& request) {
    if (Handler())
        return Handler()(request);
    // No parent: the box is application-modal and Qt centres it on the screen.
    QMessageBox box(IconOf(request.type), cp932::ToQString(request.caption),
                    cp932::ToQString(request.text));
    if (!request.detailUtf8.empty())
        box.setInformativeText(QString::fromUtf8(request.detailUtf8));
    if (request.buttons == TMsgDlgButtons::mbYesNo) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        yes->setText(cp932::ToQString(cp932::Sys(msg::kMsgDlgYes)));
        no->setText(cp932::ToQString(cp932::Sys(msg::kMsgDlgNo)));
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return true;
}

void MessageDlg(const std::string& text, TMsgDlgType type) {
    ShowMessageBox({cp932::Sys(CaptionOf(type)), text, type});
}

bool AskYesNo(const std::string& text, const std::string& detailUtf8, TMsgDlgType type) {
    return ShowMessageBox(
        {cp932::Sys(CaptionOf(type)), text, type, TMsgDlgButtons::mbYesNo, detailUtf8});
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}

} // namespace zel::app
