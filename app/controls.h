#pragma once
// Building blocks of the program's windows, placed with absolute geometry
// as the windows are laid out, with captions given as UTF-8 literals.

#include <QRect>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zel::app {

// A label of fixed size with its text at the bottom ("AutoSize" off).
QLabel* MakeLabel(QWidget* parent, const char* caption, QRect geometry);
// A label that sizes itself to its caption, at a given place.
QLabel* MakeAutoSizeLabel(QWidget* parent, const char* caption, QPoint topLeft);
QPushButton* MakeButton(QWidget* parent, const char* caption, QRect geometry);
QLineEdit* MakeEdit(QWidget* parent, QRect geometry);

// Moves a top-level window to the middle of its screen.
void CentreOnScreen(QWidget* window);

// The windows' font: the default face, 12 pixels.
void UseWindowFont(QWidget* window);

} // namespace zel::app
