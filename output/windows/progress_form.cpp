#include "output/windows/progress_form.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "output/report_printer.h"
#include "output/windows/report_window_hooks.h"
#include "platform/qt/qstring_text.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace zel {

TQRProgressForm::TQRProgressForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QString::fromUtf8("印刷中"));
    setFixedSize(149, 94);
    Gauge = new QProgressBar(this);
    Gauge->setGeometry(16, 10, 114, 16);
    Gauge->setRange(0, 100);
    Gauge->setValue(0);
    Gauge->setTextVisible(false);
    Info = new QLabel(this);
    Info->setGeometry(2, 38, 145, 13);
    Info->setAlignment(Qt::AlignCenter);
    CancelButton = new QPushButton(QString::fromUtf8("キャンセル"), this);
    CancelButton->setGeometry(36, 62, 75, 25);
    connect(CancelButton, &QPushButton::clicked, this,
            [this] { GuardReportWindowEvent([&] { CancelButtonClick(); }); });
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

std::string TQRProgressForm::InfoText() const {
    return cp932::FromQString(Info->text());
}

void TQRProgressForm::CancelButtonClick() {
    if (m_QRPrinter)
        m_QRPrinter->Cancel();
}

void TQRProgressForm::ProgressChanged(int) {
    if (!m_QRPrinter)
        return;
    GuardReportWindowEvent([&] {
        const int progress = m_QRPrinter->Progress();
        if (progress % 5 != 0)
            return;
        Gauge->setRange(0, 100);
        Gauge->setValue(progress);
        Info->setText(QString::number(progress) + QString::fromUtf8("% 完了"));
        // The cancel button gets its chance here.
        platform::ProcessPendingMessages();
    });
}

void TQRProgressForm::PageAvailable(int availablePages) {
    if (!m_QRPrinter || m_QRPrinter->Progress() != 0)
        return;
    GuardReportWindowEvent([&] {
        Gauge->setRange(0, 0);
        Info->setText(cp932::ToQString(Fmt(msg::kPagesMade, {availablePages})));
    });
}

} // namespace zel
