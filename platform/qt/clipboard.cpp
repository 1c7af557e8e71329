#include "platform/clipboard.h"

#include "platform/qt/qstring_text.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zel::platform {

std::optional<std::string> ClipboardText() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return std::nullopt;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return std::nullopt;
    return cp932::FromQString(clipboard->text());
}

bool SetClipboardText(const std::string& text) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->setText(cp932::ToQString(text));
    return true;
}

} // namespace zel::platform
