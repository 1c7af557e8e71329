#pragma once
// The main window: the examinee list above, the header fields and the
// buttons in the bottom panel.

#include "grid/column_string_grid.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zel::app {

class TPagetta6;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    TMOStringGrid* MOStringGrid1 = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button3 = nullptr;

    // Loads the school name and the year from the settings file.
    void FormCreate();
    // Stores the school name and the year; an error keeps the window open.
    void FormClose();
    // Replaces the examinee list with the clipboard's text.
    void Button1Click();
    // The print request: refuses to go on without a term.
    void Button2Click();
    // Opens a new print-position dialog, modally.
    void Button3Click();

    // The ticket report the print request fills and previews; start-up
    // hands it over once it has been made after this window.
    TPagetta6* Pagetta6() const { return m_Pagetta6; }
    void SetPagetta6(TPagetta6* report) { m_Pagetta6 = report; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    bool m_Centred = false;
    TPagetta6* m_Pagetta6 = nullptr;
};

} // namespace zel::app
