#include "app/controls.h"

#include "platform/canvas_types.h"
#include "platform/cp932.h"
#include "platform/qt/font_faces.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace zel::app {
namespace {

// Enter presses the button that has the focus, as operators of this kind
// of program expect, without making any button the window's default: Enter
// in an edit field still presses nothing.
class TEnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
            return false;
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

} // namespace

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
    // No button becomes the default one; Enter presses only a focused button.
    button->setAutoDefault(false);
    button->installEventFilter(new TEnterPressesButton(button));
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
