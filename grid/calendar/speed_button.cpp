#include "grid/calendar/speed_button.h"

#include "grid/core/grid_errors.h"
#include "grid/core/system_colors.h"
#include "platform/qt/qstring_text.h"

#include <QMouseEvent>
#include <QPainter>

namespace zel {

TMOSpeedButton::TMOSpeedButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    SetRepeatTimer(std::make_unique<TQtRepeatTimer>());
}

TMOSpeedButton::~TMOSpeedButton() = default;

void TMOSpeedButton::SetGlyph(const QPixmap& glyph) {
    m_Glyph = glyph;
    update();
}

void TMOSpeedButton::SetHint(const std::string& hint) {
    m_Hint = hint;
    setToolTip(cp932::ToQString(hint));
}

void TMOSpeedButton::SetRepeatTimer(std::unique_ptr<TRepeatTimer> timer) {
    if (m_Timer)
        m_Timer->Stop();
    m_Timer = std::move(timer);
    m_Timer->OnTimeout = [this] { GuardGridEvent([&] { Repeat(); }); };
}

void TMOSpeedButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, ColorToQColor(clBtnFace));
    const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    auto line = [&](int x1, int y1, int x2, int y2, TColor color) {
        p.setPen(ColorToQColor(color));
        p.drawLine(x1, y1, x2, y2);
    };
    if (m_Down) {
        line(l, t, rt, t, clBtnShadow);
        line(l, t, l, b, clBtnShadow);
    } else {
        // A raised edge: light above and left, shadow below and right.
        line(l, t, rt - 1, t, clBtnHighlight);
        line(l, t, l, b - 1, clBtnHighlight);
        line(l + 1, b - 1, rt - 1, b - 1, clBtnShadow);
        line(rt - 1, t + 1, rt - 1, b - 1, clBtnShadow);
        line(l, b, rt, b, cl3DDkShadow);
        line(rt, t, rt, b, cl3DDkShadow);
    }
    if (!m_Glyph.isNull()) {
        const int shift = m_Down ? 1 : 0;
        p.drawPixmap((width() - m_Glyph.width()) / 2 + shift,
                     (height() - m_Glyph.height()) / 2 + shift, m_Glyph);
    }
}

void TMOSpeedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_Tracking = true;
    m_Down = true;
    m_Timer->Start(kFirstRepeat);
    update();
}

void TMOSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    if (!m_Tracking)
        return;
    const bool over = rect().contains(event->position().toPoint());
    if (over != m_Down) {
        m_Down = over;
        update();
    }
}

void TMOSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_Tracking)
        return;
    const bool click = m_Down;
    StopTracking();
    if (click)
        GuardGridEvent([&] { Click(); });
}

void TMOSpeedButton::hideEvent(QHideEvent* event) {
    // A hidden button no longer holds the mouse.
    StopTracking();
    QWidget::hideEvent(event);
}

void TMOSpeedButton::StopTracking() {
    m_Timer->Stop();
    m_Tracking = false;
    if (m_Down) {
        m_Down = false;
        update();
    }
}

void TMOSpeedButton::Repeat() {
    if (!m_Tracking) {
        m_Timer->Stop();
        return;
    }
    m_Timer->Start(kNextRepeat);
    // While the pointer is off the button the repeats wait for it.
    if (m_Down)
        Click();
}

void TMOSpeedButton::Click() {
    if (OnClick)
        OnClick();
}

} // namespace zel
