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

void ShowCurrentException() {
    try {
        throw;
    } catch (const Exception& e) {
        ShowErrorBox(e.Message());
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    } catch (...) {
        ShowErrorBox(cp932::Sys(msg::kUnknownError));
    }
}

} // namespace zel::app
