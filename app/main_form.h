#pragma once
// The main window: the examinee list above, the header fields and the
// buttons in the bottom panel.

#include "grid/columns/column_string_grid.h"

#include <QString>
#include <QWidget>
#include <map>
#include <string>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zel {
class TIniFile;
}

namespace zel::app {

class TTicketReport;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    TMOStringGrid* ExamineeGrid = nullptr;
    QFrame* HeaderPanel = nullptr;
    QPushButton* PasteButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QLineEdit* SchoolNameEdit = nullptr;
    QLabel* SchoolNameLabel = nullptr;
    QComboBox* TermCombo = nullptr;
    QLabel* EraLabel = nullptr;
    QLineEdit* YearEdit = nullptr;
    QLabel* YearSuffixLabel = nullptr;
    QPushButton* PrintPositionButton = nullptr;

    // Loads the school name and the year from the settings file.
    void FormCreate();
    // Stores the school name and the year. When that fails, closing asks
    // whether to close without saving.
    void FormClose();
    // Replaces the examinee list with the clipboard's text.
    void PasteButtonClick();
    // The print request: refuses to go on without a term.
    void PrintButtonClick();
    // Opens a new print-position dialog, modally.
    void PrintPositionButtonClick();

    // The ticket report the print request fills and previews; start-up
    // hands it over once it has been made after this window.
    TTicketReport* TicketReport() const { return m_TicketReport; }
    void SetTicketReport(TTicketReport* report) { m_TicketReport = report; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    // The print request while the report is busy leaves it alone.
    void TellRunInProgress();
    // Stops the run and closes every other window, as the program ends.
    void EndOpenWork();
    // Writes the field's text unless it still shows a stored value that
    // could not be read exactly, which writing back would change.
    void StoreField(const TIniFile& settings, const char* key, const QLineEdit& field) const;
    bool m_Centred = false;
    // The texts shown for stored values that were not read exactly, by key.
    std::map<std::string, QString> m_InexactlyRead;
    TTicketReport* m_TicketReport = nullptr;
};

} // namespace zel::app
