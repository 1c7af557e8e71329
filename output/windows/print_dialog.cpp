#include "output/windows/print_dialog.h"

#include "platform/qt/qstring_text.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <algorithm>

namespace zel {
namespace {

QAbstractPrintDialog::PrintDialogOptions QtOptions(TPrintDialogOptions options) {
    QAbstractPrintDialog::PrintDialogOptions qt =
        QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize;
    if (options & poPageNums)
        qt |= QAbstractPrintDialog::PrintPageRange;
    if (options & poSelection)
        qt |= QAbstractPrintDialog::PrintSelection;
    if ((options & poPrintToFile) && !(options & poDisablePrintToFile))
        qt |= QAbstractPrintDialog::PrintToFile;
    return qt;
}

QPrinter::PrintRange QtRange(TPrintRange range) {
    switch (range) {
    case TPrintRange::prSelection:
        return QPrinter::Selection;
    case TPrintRange::prPageNums:
        return QPrinter::PageRange;
    default:
        return QPrinter::AllPages;
    }
}

TPrintRange RangeOfQt(QPrinter::PrintRange range) {
    switch (range) {
    case QPrinter::Selection:
        return TPrintRange::prSelection;
    case QPrinter::PageRange:
        return TPrintRange::prPageNums;
    default:
        return TPrintRange::prAllPages;
    }
}

} // namespace

platform::TPrinter& ApplicationPrinter() {
    static platform::TPrinter printer;
    return printer;
}

QPoint CentredDialogPosition(const QRect& screen, const QSize& dialog) {
    return {screen.x() + (screen.width() - dialog.width()) / 2,
            screen.y() + (screen.height() - dialog.height()) / 3};
}

TQRPrintDialog::TQRPrintDialog(QObject* owner) : QObject(owner), m_Printer(&ApplicationPrinter()) {}

void TQRPrintDialog::SetCopies(int copies) {
    m_Copies = copies;
    platform::TDeviceSettings settings = m_Printer->DeviceSettings();
    settings.Copies = copies;
    m_Printer->SetDeviceSettings(settings);
}

bool TQRPrintDialog::Execute() {
    QPrinter printer;
    const std::string device = m_Printer->PrinterIndex() >= 0 ? m_Printer->DeviceName() : "";
    if (!device.empty())
        printer.setPrinterName(cp932::ToQString(device));
    const platform::TDeviceSettings& settings = m_Printer->DeviceSettings();
    printer.setCopyCount(std::max(1, m_Copies > 0 ? m_Copies : settings.Copies));
    printer.setPageOrientation(settings.Orientation == platform::kOrientationLandscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    printer.setCollateCopies(m_Collate);
    printer.setPrintRange(QtRange(m_PrintRange));
    if (m_FromPage > 0 && m_FromPage <= m_ToPage)
        printer.setFromTo(m_FromPage, m_ToPage);

    QPrintDialog dialog(&printer);
    dialog.setOptions(QtOptions(m_Options));
    if (m_MinPage <= m_MaxPage && m_MaxPage > 0)
        dialog.setMinMax(std::max(m_MinPage, 1), m_MaxPage);
    dialog.installEventFilter(this);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    dialog.removeEventFilter(this);
    if (OnClose)
        OnClose(*this);
    if (!confirmed)
        return false;

    TPrintDialogAnswer answer;
    if (printer.outputFormat() == QPrinter::NativeFormat)
        answer.PrinterName = cp932::FromQString(printer.printerName());
    answer.Copies = printer.copyCount();
    answer.Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape
                             ? platform::kOrientationLandscape
                             : platform::kOrientationPortrait;
    answer.Collate = printer.collateCopies();
    answer.PrintToFile = !printer.outputFileName().isEmpty();
    answer.PrintRange = RangeOfQt(printer.printRange());
    answer.FromPage = printer.fromPage();
    answer.ToPage = printer.toPage();
    ApplyAnswer(answer);
    return true;
}

void TQRPrintDialog::ApplyAnswer(const TPrintDialogAnswer& answer) {
    if (!answer.PrinterName.empty() && answer.PrinterName != m_Printer->DeviceName()) {
        const std::vector<std::string> names = platform::PrinterNames();
        const auto found = std::find(names.begin(), names.end(), answer.PrinterName);
        if (found != names.end())
            m_Printer->SetPrinterIndex(static_cast<int>(found - names.begin()));
    }
    platform::TDeviceSettings settings = m_Printer->DeviceSettings();
    settings.Orientation = answer.Orientation;
    // The count the operator answers is the count that prints, one included:
    // keeping the printer's own count for a one-copy answer made an earlier
    // run's copies stick to every later job.
    settings.Copies = std::max(1, answer.Copies);
    m_Printer->SetDeviceSettings(settings);
    m_Collate = answer.Collate;
    m_PrintToFile = answer.PrintToFile;
    m_PrintRange = answer.PrintRange;
    m_FromPage = answer.FromPage;
    m_ToPage = answer.ToPage;
    m_Copies = settings.Copies;
}

bool TQRPrintDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = static_cast<QWidget*>(watched);
        const QScreen* screen = dialog->screen();
        if (screen)
            dialog->move(CentredDialogPosition(screen->geometry(), dialog->frameGeometry().size()));
        if (OnShow)
            OnShow(*this);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zel
