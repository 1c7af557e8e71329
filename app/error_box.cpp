#include "app/error_box.h"

#include "app/application.h"
#include "app/message_box.h"
#include "framework/exceptions.h"
#include "framework/messages.h"
#include "platform/cp932.h"

#include <exception>

namespace zel::app {

std::string ErrorBoxText(const std::string& message) {
    const std::size_t last = cp932::LastCharPos(message);
    if (last != std::string::npos && static_cast<unsigned char>(message[last]) > '.')
        return message + ".";
    return message;
}

void ShowErrorBox(const std::string& message) {
    ShowMessageBox({TApplication::Title(), ErrorBoxText(message), TMsgDlgType::mtError});
}

namespace {

// The message of the exception being handled.
std::string CurrentExceptionText() {
    try {
        throw;
    } catch (const Exception& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return cp932::Sys(msg::kUnknownError);
    }
}

} // namespace

void ShowCurrentException() {
    ShowErrorBox(CurrentExceptionText());
}

bool StoreOrCloseWithoutSaving(const std::function<void()>& store) {
    try {
        store();
        return true;
    } catch (...) {
        return ShowMessageBox(
            {TApplication::Title(),
             ErrorBoxText(CurrentExceptionText()) + "\n" + cp932::Sys(msg::kCloseWithoutSaving),
             TMsgDlgType::mtError, TMsgDlgButtons::mbYesNo});
    }
}

} // namespace zel::app
