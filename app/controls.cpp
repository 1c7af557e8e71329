#include "app/controls.h"

#include "platform/canvas_types.h"
#include "platform/cp932.h"
#include "platform/qt/font_faces.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace zel::app {

QLabel* MakeLabel(QWidget* parent, const char* caption, QRect geometry) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return label;
}

QLabel* MakeAutoSizeLabel(QWidget* parent, const char* caption, QPoint topLeft) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* caption, QRect geometry) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setGeometry(geometry);
    // Enter never presses a button that is not the default one.
    button->setAutoDefault(false);
    return button;
}

QLineEdit* MakeEdit(QWidget* parent, QRect geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(geometry);
    return edit;
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void UseWindowFont(QWidget* window) {
    window->setFont(platform::MakeFont(cp932::Sys(platform::kDefaultFontFace), -12));
}

} // namespace zel::app
