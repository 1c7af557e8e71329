#include "platform/clipboard.h"

#include "platform/qt/qstring_text.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zel::platform {

std::optional<cp932::TCheckedText> ClipboardCheckedText() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return std::nullopt;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return std::nullopt;
    return cp932::FromQStringChecked(clipboard->text());
}

std::optional<std::string> ClipboardText() {
    std::optional<cp932::TCheckedText> checked = ClipboardCheckedText();
    if (!checked)
        return std::nullopt;
    return std::move(checked->Text);
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
