#include "grid/calendar/calendar_status_panel.h"

#include "grid/core/grid_errors.h"
#include "platform/qt/qstring_text.h"

#include <QMouseEvent>
#include <QPainter>

namespace zel {

TMOStatusPanel::TMOStatusPanel(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TMOStatusPanel::SetColor(TColor value) {
    m_Color = value;
    update();
}

void TMOStatusPanel::SetCaption(const std::string& value) {
    m_Caption = value;
    update();
}

void TMOStatusPanel::SetHint(const std::string& value) {
    m_Hint = value;
    // Qt breaks tool tips at a plain line feed.
    setToolTip(cp932::ToQString(value).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TMOStatusPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ColorToQColor(m_Color));
    p.setFont(font());
    p.setPen(ColorToQColor(clWindowText));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, cp932::ToQString(m_Caption));
    // The mark of today's cell, two pixels wide, over (2, 2)-(19, 12).
    const QColor red = ColorToQColor(clRed);
    const QRect mark(QPoint(2, 2), QPoint(18, 11));
    p.fillRect(mark.left(), mark.top(), mark.width(), 2, red);
    p.fillRect(mark.left(), mark.bottom() - 1, mark.width(), 2, red);
    p.fillRect(mark.left(), mark.top(), 2, mark.height(), red);
    p.fillRect(mark.right() - 1, mark.top(), 2, mark.height(), red);
}

void TMOStatusPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnDblClick)
        GuardGridEvent([&] { OnDblClick(*this); });
}

} // namespace zel
