#include "output/windows/print_dialog.h"

#include "platform/qt/qstring_text.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTabWidget>
#include <algorithm>

namespace zel {
namespace {

// The page size and the rest of the printer's properties are not offered:
// the paper is the report's (the stationery's), and a choice made there
// would not reach the job.
QAbstractPrintDialog::PrintDialogOptions QtOptions(TPrintDialogOptions options) {
    QAbstractPrintDialog::PrintDialogOptions qt = QAbstractPrintDialog::PrintCollateCopies;
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

// The trays the dialog may name, with their paper-source codes.
constexpr std::pair<int, QPrinter::PaperSource> kSources[] = {
    {1, QPrinter::OnlyOne},      {2, QPrinter::Lower},          {3, QPrinter::Middle},
    {4, QPrinter::Manual},       {5, QPrinter::Envelope},       {6, QPrinter::EnvelopeManual},
    {7, QPrinter::Auto},         {8, QPrinter::Tractor},        {9, QPrinter::SmallFormat},
    {10, QPrinter::LargeFormat}, {11, QPrinter::LargeCapacity}, {14, QPrinter::Cassette},
};

QPrinter::PaperSource SourceOfCode(int code) {
    for (const auto& [c, source] : kSources)
        if (c == code)
            return source;
    return QPrinter::Auto;
}

int CodeOfSource(QPrinter::PaperSource source) {
    for (const auto& [c, s] : kSources)
        if (s == source)
            return c;
    return 7;
}

// Choices of Qt's dialog that no job would be printed with: reversed order,
// odd or even pages only, a list of pages, colour and two-sided printing.
// Hidden, since nothing the operator chooses may be silently ignored.
void HideUnsentChoices(QWidget& dialog) {
    for (const char* name :
         {"reverse", "pageSetLabel", "pageSetCombo", "pagesRadioButton", "pagesLineEdit"})
        if (auto* widget = dialog.findChild<QWidget*>(QLatin1String(name)))
            widget->hide();
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabs"));
    auto* options = dialog.findChild<QWidget*>(QStringLiteral("optionsTab"));
    if (tabs && options && tabs->indexOf(options) >= 0)
        tabs->removeTab(tabs->indexOf(options));
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
    printer.setPaperSource(SourceOfCode(settings.DefaultSource & 0xFF));
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
    answer.DefaultSource = CodeOfSource(printer.paperSource());
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
    settings.Collate = answer.Collate;
    settings.DefaultSource = answer.DefaultSource;
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
        HideUnsentChoices(*dialog);
        const QScreen* screen = dialog->screen();
        if (screen)
            dialog->move(CentredDialogPosition(screen->geometry(), dialog->frameGeometry().size()));
        if (OnShow)
            OnShow(*this);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zel
