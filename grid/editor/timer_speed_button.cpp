#include "grid/editor/timer_speed_button.h"

#include "grid/core/grid_errors.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace zel {

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    SetRepeatTimer(std::make_unique<TQtRepeatTimer>());
}

TTimerSpeedButton::~TTimerSpeedButton() = default;

void TTimerSpeedButton::SetRepeatTimer(std::unique_ptr<TRepeatTimer> timer) {
    m_Timer = std::move(timer);
    m_Timer->OnTimeout = [this] { GuardGridEvent([this] { Tick(); }); };
}

void TTimerSpeedButton::SetGlyph(const QPixmap& glyph) {
    m_Glyph = glyph;
    update();
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isDown())
        return;
    m_Held = true;
    m_Timer->Start(kFirstRepeat);
    GuardGridEvent([this] {
        if (OnClick)
            OnClick();
    });
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_Held = false;
        m_Timer->Stop();
    }
    // The click was raised on the press; the release only lets go.
    setDown(false);
    event->accept();
}

void TTimerSpeedButton::Tick() {
    if (!m_Held)
        return;
    m_Timer->Start(kRepeat);
    // Held but moved off the button: wait until the pointer comes back.
    if (isDown() && OnClick)
        OnClick();
}

void TTimerSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    qDrawWinButton(&painter, area, palette(), isDown(), &palette().button());
    if (m_Glyph.isNull())
        return;
    QRect glyph(QPoint(), m_Glyph.deviceIndependentSize().toSize());
    glyph.moveCenter(area.center());
    if (isDown())
        glyph.translate(1, 1);
    painter.drawPixmap(glyph.topLeft(), m_Glyph);
}

} // namespace zel
