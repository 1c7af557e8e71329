#pragma once
// What an input-method mode becomes on a Qt widget. Qt cannot open, close
// or switch an input method portably; it can refuse one to a widget and
// hint at the kind of text wanted, which the platform's input method may
// follow.

#include "framework/ime_mode.h"

#include <Qt>

class QWidget;

namespace zel {

struct TImeInput {
    bool Enabled = true; // answered to the platform's Qt::ImEnabled query
    Qt::InputMethodHints Hints = Qt::ImhNone;
    friend bool operator==(const TImeInput&, const TImeInput&) = default;
};

TImeInput ImeInputFor(TImeMode mode);

// Makes the platform ask a focused widget again after its answers changed.
void RefreshInputMethod(const QWidget& widget);

} // namespace zel
