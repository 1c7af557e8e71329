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

} // namespace zel::platform
