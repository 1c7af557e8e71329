#include "grid/editor/spin_button.h"

#include "grid/core/button_glyphs.h"

namespace zel {

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent), m_UpButton(new TTimerSpeedButton(this)),
      m_DownButton(new TTimerSpeedButton(this)) {
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(15);
    m_UpButton->SetGlyph(ButtonGlyph("SpinUp"));
    m_DownButton->SetGlyph(ButtonGlyph("SpinDown"));
    m_UpButton->OnClick = [this] {
        if (OnUpClick)
            OnUpClick();
    };
    m_DownButton->OnClick = [this] {
        if (OnDownClick)
            OnDownClick();
    };
    resize(sizeHint());
}

void TSpinButton::resizeEvent(QResizeEvent*) {
    const int w = width();
    const int h = height();
    m_UpButton->setGeometry(0, 0, w, h / 2);
    m_DownButton->setGeometry(0, h / 2 - 1, w, h - h / 2 + 1);
}

} // namespace zel
