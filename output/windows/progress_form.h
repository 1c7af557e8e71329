#pragma once
// TQRProgressForm: the small window that follows a print run with a gauge
// and "n% 完了", and whose cancel button stops the run. It is the report
// printer's client for the run, shown or not.

#include "output/report_printer_client.h"
#include "output/report_window_classes.h"

#include <QDialog>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zel {

class TQRPrinter;

class TQRProgressForm : public QDialog, public TQRProgressWindow, public TQRPrinterClient {
    Q_OBJECT
public:
    explicit TQRProgressForm(QWidget* owner = nullptr);

    TQRPrinter* QRPrinter() const { return m_QRPrinter; }
    void SetQRPrinter(TQRPrinter* printer) { m_QRPrinter = printer; }

    // Info's caption, code page 932.
    std::string InfoText() const;
    void CancelButtonClick();

    TQRPrinterClient& Client() override { return *this; }
    void Show() override { show(); }
    // Shows the printer's own progress, which may be later than `percent`:
    // the call may have waited in the queue.
    void ProgressChanged(int percent) override;
    // A run that reports no progress (its total is unknown) shows the pages
    // made so far and a busy gauge instead.
    void PageAvailable(int availablePages) override;

    QLabel* Info = nullptr;
    QPushButton* CancelButton = nullptr;
    QProgressBar* Gauge = nullptr;

private:
    TQRPrinter* m_QRPrinter = nullptr;
};

} // namespace zel
