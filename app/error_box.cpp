#include "app/error_box.h"

#include "app/application.h"
#include "framework/exceptions.h"
#include "platform/cp932.h"
#include "platform/qt/qstring_text.h"

#include <QMessageBox>
#include <exception>

namespace zel::app {
namespace {

ErrorBoxHandler& Handler() {
    static ErrorBoxHandler handler;
    return handler;
}

void ShowMessageBox(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Critical, cp932::ToQString(title), cp932::ToQString(text),
                    QMessageBox::Ok);
    box.exec();
}

} // namespace

std::string ErrorBoxText(const std::string& message) {
    const std::size_t last = cp932::LastCharPos(message);
    if (last != std::string::npos && static_cast<unsigned char>(message[last]) > '.')
        return message + ".";
    return message;
}

void ShowErrorBox(const std::string& message) {
    const std::string title = TApplication::Title();
    const std::string text = ErrorBoxText(message);
    if (Handler())
        Handler()(title, text);
    else
        ShowMessageBox(title, text);
}

void SetErrorBoxHandler(ErrorBoxHandler handler) {
    Handler() = std::move(handler);
}

void ShowCurrentException() {
    try {
        throw;
    } catch (const Exception& e) {
        ShowErrorBox(e.Message());
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    } catch (...) {
        ShowErrorBox(cp932::Sys("不明なエラーが発生しました"));
    }
}

} // namespace zel::app
