#include "output/windows/standard_preview.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "output/report_printer.h"
#include "output/windows/preview.h"
#include "output/windows/preview_image.h"
#include "output/windows/report_file_dialogs.h"
#include "output/windows/report_window_hooks.h"
#include "output/windows/toolbar_glyphs.h"
#include "platform/cp932.h"
#include "platform/file_system.h"
#include "platform/notifications.h"
#include "platform/qt/qstring_text.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zel {
namespace {

QString Sys(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// "Pagetta ファイル(*.QRP)|*.QRP" for saving, with a space before the
// parenthesis for loading: the two dialogs have always differed so.
const char* const kFileDescription = "Pagetta ファイル";
const char* const kExtension = "QRP";
const char* const kPdfDescription = "PDF ファイル (*.pdf)";
const char* const kPdfExtension = "pdf";

// A name ending in ".pdf", in any case, asks for a PDF.
bool IsPdfFileName(const std::string& fileName) {
    return fileName.size() > 4 &&
           QString::fromLatin1(fileName.substr(fileName.size() - 4)).toLower() == ".pdf";
}

} // namespace

TQRStandardPreview::TQRStandardPreview(QWidget* owner, TQRPrinter& printer)
    : QWidget(owner, Qt::Window), m_QRPrinter(&printer) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Sys("プレビュー"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolBar();
    layout->addWidget(ToolBar);
    m_QRPreview = new TQRPreview(this);
    m_QRPreview->OnPageAvailable = [this](TQRPreview&, int page) { QRPreviewPageAvailable(page); };
    m_QRPreview->OnProgressUpdate = [this](TQRPreview&, int p) { QRPreviewProgressUpdate(p); };
    layout->addWidget(m_QRPreview, 1);
    layout->addWidget(BuildStatusBar());

    // Design size, centred, then maximized when shown.
    resize(644, 552);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    setWindowState(windowState() | Qt::WindowMaximized);

    m_QRPreview->SetQRPrinter(&printer);
    if (!printer.Title().empty())
        setWindowTitle(cp932::ToQString(printer.Title()));
    m_LastProgress = 0;
    ZoomToWidth->setChecked(true);
    if (printer.Status() == TQRPrinterStatus::Finished)
        EnableFinishedCommands();
    // The window sees keys before its controls do.
    qApp->installEventFilter(this);
}

TQRStandardPreview::~TQRStandardPreview() {
    qApp->removeEventFilter(this);
    // A window destroyed without closing still lets its report go on.
    FormClose();
}

QAction* TQRStandardPreview::AddButton(int glyph, const char* hint,
                                       void (TQRStandardPreview::*click)()) {
    QAction* action =
        ToolBar->addAction(QIcon(PreviewGlyph(static_cast<TPreviewGlyph>(glyph))), Sys(hint));
    action->setToolTip(Sys(hint));
    connect(action, &QAction::triggered, this,
            [this, click] { GuardReportWindowEvent([&] { (this->*click)(); }); });
    return action;
}

void TQRStandardPreview::BuildToolBar() {
    ToolBar = new QToolBar(this);
    ToolBar->setIconSize(QSize(kPreviewGlyphSize, kPreviewGlyphSize));
    ToolBar->setContentsMargins(2, 2, 2, 2);
    ToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);

    auto* leadingGap = new QWidget(ToolBar);
    leadingGap->setFixedWidth(8);
    ToolBar->addWidget(leadingGap);

    auto* zoomGroup = new QActionGroup(this);
    zoomGroup->setExclusive(true);
    ZoomFit = AddButton(0, "ページ全体を表示", &TQRStandardPreview::ZoomToFitClick);
    Zoom100 = AddButton(1, "100%", &TQRStandardPreview::ZoomTo100Click);
    ZoomToWidth = AddButton(2, "幅を基準に表示", &TQRStandardPreview::ZoomToWidthClick);
    for (QAction* zoom : {ZoomFit, Zoom100, ZoomToWidth}) {
        zoom->setCheckable(true);
        zoomGroup->addAction(zoom);
    }
    ToolBar->addSeparator();
    FirstPage = AddButton(3, "最初のページ", &TQRStandardPreview::FirstPageClick);
    PreviousPage = AddButton(4, "前のページ", &TQRStandardPreview::PrevPageClick);
    NextPage = AddButton(5, "次のページ", &TQRStandardPreview::NextPageClick);
    LastPage = AddButton(6, "最後のページ", &TQRStandardPreview::LastPageClick);
    ToolBar->addSeparator();
    PrintSetup = AddButton(7, "プリンタの設定", &TQRStandardPreview::PrintSetupClick);
    Print = AddButton(8, "印刷", &TQRStandardPreview::PrintClick);
    ToolBar->addSeparator();
    SaveReport = AddButton(10, "レポートの保存", &TQRStandardPreview::SaveClick);
    LoadReport = AddButton(9, "レポート読み込み", &TQRStandardPreview::LoadClick);
    ToolBar->addSeparator();
    ExitButton = new QToolButton(ToolBar);
    ExitButton->setText(Sys("閉じる(&C)"));
    ExitButton->setFixedSize(75, 22);
    connect(ExitButton, &QToolButton::clicked, this,
            [this] { GuardReportWindowEvent([&] { ExitClick(); }); });
    ToolBar->addWidget(ExitButton);

    PrintSetup->setEnabled(false);
    Print->setEnabled(false);
    SaveReport->setEnabled(false);
    LoadReport->setEnabled(false);
}

QWidget* TQRStandardPreview::BuildStatusBar() {
    auto* statusBar = new QWidget(this);
    statusBar->setFixedHeight(18);
    auto* layout = new QHBoxLayout(statusBar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_ProgressPanel = new QLabel(Sys("0%"), statusBar);
    m_ProgressPanel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for "0%" and no wider, until a count of pages needs more.
    m_ProgressPanel->setMinimumWidth(40);
    m_ProgressPanel->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    m_PagePanel = new QLabel(Sys("ページ:"), statusBar);
    m_PagePanel->setMinimumWidth(50);
    for (QLabel* panel : {m_ProgressPanel, m_PagePanel})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusGauge = new QProgressBar(statusBar);
    StatusGauge->setFixedWidth(100);
    StatusGauge->setTextVisible(false);
    StatusGauge->hide();
    layout->addWidget(m_ProgressPanel);
    layout->addWidget(StatusGauge);
    layout->addWidget(m_PagePanel, 1);
    return statusBar;
}

std::string TQRStandardPreview::PanelText(int panel) const {
    return cp932::FromQString((panel == 0 ? m_ProgressPanel : m_PagePanel)->text());
}

void TQRStandardPreview::UpdatePageStatus() {
    if (!m_QRPrinter)
        return;
    m_PagePanel->setText(Sys("ページ:") + QLatin1Char(' ') +
                         QString::number(m_QRPreview->PageNumber()) + QLatin1String(" / ") +
                         QString::number(m_QRPrinter->PageCount()));
}

void TQRStandardPreview::QRPreviewPageAvailable(int) {
    UpdatePageStatus();
    if (!m_QRPrinter)
        return;
    const bool finished = m_QRPrinter->Status() == TQRPrinterStatus::Finished;
    if (!m_ProgressReported) {
        // Without a total the percentage would read 0 to the end: the
        // pages made so far say how far the run has got (the printer's
        // count: the notification's is cut to sixteen bits).
        m_ProgressPanel->setText(
            cp932::ToQString(Fmt(msg::kPagesMade, {m_QRPrinter->AvailablePages()})));
        StatusGauge->setRange(0, 0);
    }
    StatusGauge->setVisible(!finished);
    if (finished)
        EnableFinishedCommands();
}

void TQRStandardPreview::EnableFinishedCommands() {
    PrintSetup->setEnabled(true);
    Print->setEnabled(true);
    SaveReport->setEnabled(true);
    LoadReport->setEnabled(true);
}

void TQRStandardPreview::QRPreviewProgressUpdate(int progress) {
    if (progress > 0 && !m_ProgressReported) {
        m_ProgressReported = true;
        StatusGauge->setRange(0, 100);
    }
    StatusGauge->setValue(progress);
    if (progress >= m_LastProgress + 5) {
        m_ProgressPanel->setText(QString::number(progress) + QLatin1Char('%'));
        m_LastProgress = progress;
    }
    if (progress == 0 || progress == 100)
        m_ProgressPanel->clear();
}

void TQRStandardPreview::ZoomToFitClick() {
    platform::ProcessPendingMessages();
    m_QRPreview->ZoomToFit();
}

void TQRStandardPreview::ZoomTo100Click() {
    platform::ProcessPendingMessages();
    m_QRPreview->SetZoom(100);
}

void TQRStandardPreview::ZoomToWidthClick() {
    platform::ProcessPendingMessages();
    m_QRPreview->ZoomToWidth();
}

void TQRStandardPreview::FirstPageClick() {
    m_QRPreview->SetPageNumber(1);
    UpdatePageStatus();
}

void TQRStandardPreview::PrevPageClick() {
    m_QRPreview->SetPageNumber(m_QRPreview->PageNumber() - 1);
    UpdatePageStatus();
}

void TQRStandardPreview::NextPageClick() {
    m_QRPreview->SetPageNumber(m_QRPreview->PageNumber() + 1);
    UpdatePageStatus();
}

void TQRStandardPreview::LastPageClick() {
    if (m_QRPrinter)
        m_QRPreview->SetPageNumber(m_QRPrinter->PageCount());
    UpdatePageStatus();
}

void TQRStandardPreview::PrintClick() {
    if (m_QRPrinter)
        m_QRPrinter->Print();
}

void TQRStandardPreview::PrintSetupClick() {
    if (m_QRPrinter && m_QRPrinter->OnPrintSetup)
        m_QRPrinter->OnPrintSetup(*m_QRPrinter);
}

void TQRStandardPreview::SaveClick() {
    if (!m_QRPrinter || m_QRPrinter->Status() != TQRPrinterStatus::Finished)
        return;
    const std::string description = cp932::Sys(kFileDescription);
    const std::optional<std::string> fileName =
        ExecuteReportFileDialog({TReportFileDialog::TKind::Save, cp932::Sys("レポート保存"),
                                 description + "(*." + kExtension + ")|*." + kExtension + "|" +
                                     cp932::Sys(kPdfDescription) + "|*." + kPdfExtension,
                                 kExtension});
    // The dialog lets events run; the window may have closed meanwhile.
    if (!fileName || !m_QRPrinter)
        return;
    if (IsPdfFileName(*fileName)) {
        if (!m_QRPrinter->SaveToPdf(*fileName))
            ShowReportWindowMessage(cp932::Sys(msg::kNoPagesToSave));
    } else
        m_QRPrinter->Save(*fileName);
}

void TQRStandardPreview::LoadClick() {
    if (!m_QRPrinter || m_QRPrinter->Status() == TQRPrinterStatus::Busy ||
        m_QRPrinter->PlayingBack())
        return;
    const std::string description = cp932::Sys(kFileDescription);
    const std::optional<std::string> fileName = ExecuteReportFileDialog(
        {TReportFileDialog::TKind::Open, cp932::Sys("レポート読み込み"),
         description + " (*." + kExtension + ")|*." + kExtension, kExtension});
    if (!fileName || !m_QRPrinter)
        return;
    if (!platform::FileExists(*fileName)) {
        ShowReportWindowMessage(cp932::Sys(msg::kFileDoesNotExist));
        return;
    }
    m_QRPrinter->Load(*fileName);
    m_QRPreview->ShowFirstPage();
    UpdatePageStatus();
    PrintSetup->setEnabled(false);
    Print->setEnabled(true);
}

void TQRStandardPreview::ExitClick() {
    close();
}

bool TQRStandardPreview::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool onlyCtrl = (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_PageUp:
        onlyCtrl ? FirstPageClick() : PrevPageClick();
        return true;
    case Qt::Key_PageDown:
        onlyCtrl ? LastPageClick() : NextPageClick();
        return true;
    case Qt::Key_Home:
        FirstPageClick();
        return true;
    case Qt::Key_End:
        LastPageClick();
        return true;
    default:
        return false;
    }
}

bool TQRStandardPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    bool handled = false;
    GuardReportWindowEvent([&] { handled = FormKeyDown(key->key(), key->modifiers()); });
    return handled;
}

void TQRStandardPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_QRPreview->UpdateZoom();
}

void TQRStandardPreview::closeEvent(QCloseEvent* event) {
    GuardReportWindowEvent([&] { FormClose(); });
    event->accept();
}

void TQRStandardPreview::FormClose() {
    TQRPrinter* printer = m_QRPrinter;
    if (!printer)
        return;
    m_QRPrinter = nullptr;
    m_QRPreview->SetQRPrinter(nullptr);
    printer->NotifyPreviewClosed();
}

TQRPreviewForm* TQRStandardPreviewInterface::Show(TQRPrinter& printer) {
    auto* window = new TQRStandardPreview(nullptr, printer);
    // Opened from a modal dialog, a preview of its own would take no input:
    // it is modal too then.
    if (QApplication::activeModalWidget())
        window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->UpdatePageStatus();
    return window;
}

TQRPreviewForm* TQRStandardPreviewInterface::ShowModal(TQRPrinter& printer) {
    QPointer<TQRStandardPreview> window = new TQRStandardPreview(nullptr, printer);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    window->UpdatePageStatus();
    loop.exec();
    return nullptr;
}

} // namespace zel
