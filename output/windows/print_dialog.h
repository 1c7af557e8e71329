#pragma once
// TQRPrintDialog: Qt's print dialog for choosing printer, copies, collation
// and page range, placed centred across and a third of the way down the
// screen. It offers nothing a job would not be printed with. The choices go
// to the printer object it works on (the application's one unless another
// is given) and to its own properties.

#include "framework/notify_event.h"
#include "platform/printers.h"

#include <QObject>
#include <QPoint>
#include <QSize>
#include <cstdint>
#include <string>

namespace zel {

enum TPrintDialogOption : std::uint8_t {
    poPrintToFile = 0x01,
    poPageNums = 0x02,
    poSelection = 0x04,
    poWarning = 0x08,
    poHelp = 0x10,
    poDisablePrintToFile = 0x20,
};
using TPrintDialogOptions = std::uint8_t;

enum class TPrintRange : std::uint8_t { prAllPages, prSelection, prPageNums };

// The printer object print setup works on, shared by the whole program.
platform::TPrinter& ApplicationPrinter();

// Top-left corner of a dialog: centred across, a third of the way down.
QPoint CentredDialogPosition(const QRect& screen, const QSize& dialog);

// What the operator confirmed, as read from the dialog.
struct TPrintDialogAnswer {
    std::string PrinterName; // code page 932; empty for a file or no printer
    int Copies = 1;
    int Orientation = platform::kOrientationPortrait;
    bool Collate = false;
    int DefaultSource = 7; // paper-source code of the tray chosen
    bool PrintToFile = false;
    TPrintRange PrintRange = TPrintRange::prAllPages;
    int FromPage = 0;
    int ToPage = 0;
};

class TQRPrintDialog : public QObject {
    Q_OBJECT
public:
    explicit TQRPrintDialog(QObject* owner = nullptr);

    platform::TPrinter& Printer() const { return *m_Printer; }
    void SetPrinter(platform::TPrinter& printer) { m_Printer = &printer; }

    // True when the operator confirmed.
    bool Execute();
    // Takes a confirmed answer: switches the printer and writes its
    // settings, then fills the properties.
    void ApplyAnswer(const TPrintDialogAnswer& answer);

    bool Ctl3D() const { return m_Ctl3D; }
    void SetCtl3D(bool ctl3D) { m_Ctl3D = ctl3D; }
    int HelpContext() const { return m_HelpContext; }
    void SetHelpContext(int context) { m_HelpContext = context; }
    TNotifyEvent<TQRPrintDialog> OnShow;
    TNotifyEvent<TQRPrintDialog> OnClose;

    int FromPage() const { return m_FromPage; }
    void SetFromPage(int page) { m_FromPage = page; }
    int ToPage() const { return m_ToPage; }
    void SetToPage(int page) { m_ToPage = page; }
    bool Collate() const { return m_Collate; }
    void SetCollate(bool collate) { m_Collate = collate; }
    TPrintDialogOptions Options() const { return m_Options; }
    void SetOptions(TPrintDialogOptions options) { m_Options = options; }
    bool PrintToFile() const { return m_PrintToFile; }
    void SetPrintToFile(bool printToFile) { m_PrintToFile = printToFile; }
    TPrintRange PrintRange() const { return m_PrintRange; }
    void SetPrintRange(TPrintRange range) { m_PrintRange = range; }
    int MinPage() const { return m_MinPage; }
    void SetMinPage(int page) { m_MinPage = page; }
    int MaxPage() const { return m_MaxPage; }
    void SetMaxPage(int page) { m_MaxPage = page; }
    int Copies() const { return m_Copies; }
    // Sets the printer's number of copies too.
    void SetCopies(int copies);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::TPrinter* m_Printer;
    bool m_Ctl3D = true;
    int m_HelpContext = 0;
    int m_FromPage = 0;
    int m_ToPage = 0;
    bool m_Collate = false;
    TPrintDialogOptions m_Options = 0;
    bool m_PrintToFile = false;
    TPrintRange m_PrintRange = TPrintRange::prAllPages;
    int m_MinPage = 0;
    int m_MaxPage = 0;
    int m_Copies = 0;
};

} // namespace zel
