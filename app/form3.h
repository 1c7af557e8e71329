#pragma once
// The print-position dialog: the four print offsets, each in an edit with
// an up-down control, stored by "O.K." and read anew at every opening.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zel::app {

class TUpDown;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr; // left
    QLineEdit* Edit2 = nullptr; // top
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button1 = nullptr;
    QLineEdit* Edit3 = nullptr; // space
    TUpDown* UpDown1 = nullptr; // height
    QLineEdit* Edit4 = nullptr; // height
    TUpDown* UpDown2 = nullptr; // space
    TUpDown* UpDown3 = nullptr; // left
    TUpDown* UpDown4 = nullptr; // top
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;

    // Shows the stored offsets.
    void FormCreate();
    // Stores the four texts as typed, then closes; a failed write keeps
    // the dialog open and stores nothing after the failing key.
    void Button1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
};

} // namespace zel::app
