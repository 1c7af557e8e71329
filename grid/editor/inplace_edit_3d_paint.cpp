// The editor's look: the sunken frame, the text, and the button of its
// style drawn over the right end (or, for a check box, over all of it).

#include "grid/editor/inplace_edit_3d.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <qdrawutil.h>

namespace zel {
namespace {

// A check box stands in a strip this wide in the middle of the editor.
constexpr int kCheckBoxWidth = 14;

// A raised button face, or a flat one with a shadow line while pressed.
void DrawButtonFace(QPainter& painter, const QRect& r, const QPalette& colours, bool flat) {
    if (flat) {
        painter.fillRect(r, colours.button());
        painter.setPen(colours.color(QPalette::Dark));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    qDrawWinButton(&painter, r, colours, false, &colours.button());
}

void DrawComboArrow(QPainter& painter, const QRect& r, const QPalette& colours, bool pressed,
                    bool active) {
    DrawButtonFace(painter, r, colours, pressed);
    // A triangle 7 wide and 4 high in the middle of the face.
    const int width = std::max(1, std::min(7, r.width() - 4) | 1);
    const int height = (width + 1) / 2;
    QPoint top(r.left() + (r.width() - width) / 2, r.top() + (r.height() - height) / 2);
    if (pressed)
        top += QPoint(1, 1);
    const auto draw = [&](const QPoint& at, const QColor& colour) {
        for (int row = 0; row < height; ++row)
            painter.fillRect(at.x() + row, at.y() + row, width - 2 * row, 1, colour);
    };
    if (active) {
        draw(top, Qt::black);
        return;
    }
    // Inactive: etched in grey, as disabled controls are.
    draw(top + QPoint(1, 1), colours.color(QPalette::Light));
    draw(top, colours.color(QPalette::Dark));
}

void DrawEllipsis(QPainter& painter, const QRect& r, const QPalette& colours, bool pressed,
                  int buttonWidth) {
    DrawButtonFace(painter, r, colours, pressed);
    const int side = std::max(1, buttonWidth / 8);
    QPoint middle(r.left() + r.width() / 2 - 1, r.top() + r.height() / 2 - 1);
    if (pressed)
        middle += QPoint(1, 1);
    for (const int dx : {-2 * side, 0, 2 * side})
        painter.fillRect(middle.x() + dx, middle.y(), side, side, Qt::black);
}

} // namespace

void TInplaceEdit3D::paintEvent(QPaintEvent* event) {
    // A check box shows no text at all, nor a caret.
    if (m_EditStyle != esCheckBox)
        TInplaceEdit::paintEvent(event);
    QPainter painter(this);
    const QPalette& colours = palette();
    const QRect client = rect().adjusted(2, 2, -2, -2);
    switch (m_EditStyle) {
    case esCheckBox: {
        painter.fillRect(client, colours.base());
        const QRect strip(client.left() + client.width() / 2 - kCheckBoxWidth / 2, client.top(),
                          kCheckBoxWidth, client.height());
        const int side = std::min(kCheckBoxWidth - 1, strip.height());
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = QRect(0, 0, side, side);
        option.rect.moveCenter(strip.center());
        option.state = QStyle::State_Enabled | (m_Checked ? QStyle::State_On : QStyle::State_Off);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
        break;
    }
    case esEllipsis:
        DrawEllipsis(painter, ButtonRect(), colours, m_Pressed, ButtonWidth());
        break;
    case esPickList:
    case esDropList:
        DrawComboArrow(painter, ButtonRect(), colours, m_Pressed, m_ActiveList != nullptr);
        break;
    case esCalendar:
        DrawComboArrow(painter, ButtonRect(), colours, m_Pressed, true);
        break;
    case esSimple:
    case esSpin:
        break;
    }
    qDrawWinPanel(&painter, rect(), colours, true);
}

} // namespace zel
