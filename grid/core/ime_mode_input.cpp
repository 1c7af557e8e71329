#include "grid/core/ime_mode_input.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QWidget>

namespace zel {

TImeInput ImeInputFor(TImeMode mode) {
    switch (mode) {
    case imDisable:
        return {.Enabled = false, .Hints = Qt::ImhNone};
    case imClose:
    case imAlpha:
        // Closed still lets the user open it; only the start is direct.
        return {.Enabled = true, .Hints = Qt::ImhPreferLatin};
    case imSAlpha:
        return {.Enabled = true, .Hints = Qt::ImhPreferLatin | Qt::ImhLatinOnly};
    case imOpen:
    case imDontCare:
    case imHira:
    case imSKata:
    case imKata:
    case imChinese:
    case imSHanguel:
    case imHanguel:
        // No portable hint names a script of the input method's own; it
        // starts in whatever mode it was left in.
        break;
    }
    return {.Enabled = true, .Hints = Qt::ImhNone};
}

void RefreshInputMethod(const QWidget& widget) {
    if (widget.hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImHints);
}

} // namespace zel
