#include "app/main_form.h"

#include "app/controls.h"
#include "app/error_box.h"
#include "app/examinee_columns.h"
#include "app/message_box.h"
#include "app/paste.h"
#include "app/print_position_dialog.h"
#include "app/settings.h"
#include "app/ticket_print_check.h"
#include "app/ticket_report.h"
#include "app/ticket_report_grid_examinees.h"
#include "app/ticket_report_offsets.h"
#include "app/unheld_characters.h"
#include "framework/exceptions.h"
#include "framework/messages.h"
#include "grid/columns/column_string_grid.h"
#include "grid/core/ime_mode_input.h"
#include "output/preview_interface.h"
#include "output/report_printer.h"
#include "platform/clipboard.h"
#include "platform/cp932.h"
#include "platform/qt/qstring_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zel::app {

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QString::fromUtf8("Zelmark四号"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(285, 235);
    UseWindowFont(this);
    CreateControls();
    RunHandler([this] { FormCreate(); });
}

void TMainForm::CreateControls() {
    ExamineeGrid = new TMOStringGrid(this);
    ExamineeGrid->setGeometry(0, 0, 285, 125);
    ExamineeGrid->SetColCount(3);
    ExamineeGrid->SetRowCount(2);
    ExamineeGrid->SetFixedCols(0);
    ExamineeGrid->SetDefaultRowHeight(17);
    ExamineeGrid->SetColWidths(0, 66);
    ExamineeGrid->SetColWidths(1, 111);
    ExamineeGrid->SetColWidths(2, 85);
    ExamineeGrid->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing});
    SetUpExamineeColumns(*ExamineeGrid);

    HeaderPanel = new QFrame(this);
    HeaderPanel->setGeometry(0, 125, 285, 110);
    HeaderPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    // Child positions count from inside the panel's one-pixel border.
    auto at = [](int left, int top, int width, int height) {
        return QRect(left + 1, top + 1, width, height);
    };
    PasteButton = MakeButton(HeaderPanel, "貼り付け", at(194, 8, 75, 25));
    PrintButton = MakeButton(HeaderPanel, "印刷", at(194, 40, 75, 25));
    SchoolNameEdit = MakeEdit(HeaderPanel, at(40, 8, 137, 20));
    SchoolNameLabel = MakeLabel(HeaderPanel, "塾名", at(8, 8, 24, 17));
    TermCombo = new QComboBox(HeaderPanel);
    TermCombo->setGeometry(at(104, 40, 57, 20));
    TermCombo->addItems(
        {QString::fromUtf8("夏期"), QString::fromUtf8("秋期"), QString::fromUtf8("冬期")});
    TermCombo->setCurrentIndex(-1);
    EraLabel = MakeLabel(HeaderPanel, "平成", at(8, 40, 24, 17));
    YearEdit = MakeEdit(HeaderPanel, at(40, 40, 25, 20));
    // The school name is typed in Japanese; the year is digits, typed
    // directly with the input method closed, but the operator may open it.
    SchoolNameEdit->setAttribute(Qt::WA_InputMethodEnabled, true);
    const TImeInput yearInput = ImeInputFor(imClose);
    YearEdit->setAttribute(Qt::WA_InputMethodEnabled, yearInput.Enabled);
    YearEdit->setInputMethodHints(yearInput.Hints);
    YearSuffixLabel = MakeLabel(HeaderPanel, "年度", at(72, 40, 24, 17));
    PrintPositionButton = MakeButton(HeaderPanel, "印字位置", at(194, 72, 75, 25));

    ExamineeGrid->OnUnheldText = [](const cp932::TCheckedText& text, int, int row) {
        return TellUnheldCharacters(UnheldPlacesFrom(text, row));
    };

    connect(PasteButton, &QPushButton::clicked, this,
            [this] { RunHandler([this] { PasteButtonClick(); }); });
    connect(PrintButton, &QPushButton::clicked, this,
            [this] { RunHandler([this] { PrintButtonClick(); }); });
    connect(PrintPositionButton, &QPushButton::clicked, this,
            [this] { RunHandler([this] { PrintPositionButtonClick(); }); });

    QWidget::setTabOrder(ExamineeGrid, PasteButton);
    QWidget::setTabOrder(PasteButton, PrintButton);
    QWidget::setTabOrder(PrintButton, SchoolNameEdit);
    QWidget::setTabOrder(SchoolNameEdit, TermCombo);
    QWidget::setTabOrder(TermCombo, YearEdit);
    QWidget::setTabOrder(YearEdit, PrintPositionButton);
}

void TMainForm::FormCreate() {
    const TIniFile settings = OpenSettings();
    m_InexactlyRead.clear();
    const auto load = [&](const char* key, const std::string& fallback, QLineEdit& field) {
        const platform::TProfileText value = settings.ReadText(kSectionBasic, key, fallback);
        field.setText(cp932::ToQString(value.Text));
        if (!value.Exact)
            m_InexactlyRead[key] = field.text();
    };
    load(kKeyName, DefaultSchoolName(), *SchoolNameEdit);
    load(kKeyYear, "", *YearEdit);
}

void TMainForm::FormClose() {
    const TIniFile settings = OpenSettings();
    StoreField(settings, kKeyName, *SchoolNameEdit);
    StoreField(settings, kKeyYear, *YearEdit);
}

void TMainForm::StoreField(const TIniFile& settings, const char* key,
                           const QLineEdit& field) const {
    const auto inexact = m_InexactlyRead.find(key);
    if (inexact != m_InexactlyRead.end() && inexact->second == field.text())
        return;
    settings.WriteString(kSectionBasic, key, cp932::FromQString(field.text()));
}

void TMainForm::PasteButtonClick() {
    const std::optional<cp932::TCheckedText> text = platform::ClipboardCheckedText();
    if (!text)
        throw EClipboardError(cp932::Sys(msg::kClipboardOpenError));
    TPasteResult pasted = PasteExaminees(*ExamineeGrid, text->Text);
    if (!pasted.Pasted) {
        MessageDlg(cp932::Sys(msg::kNothingToPaste), TMsgDlgType::mtInformation);
        return;
    }
    // The list is in, "?" and all, so the operator sees where; the same
    // text again with the substitutes in is one more paste of the same rows.
    if (!text->Unheld.empty() && TellUnheldCharacters(UnheldPlacesInPaste(*text)))
        pasted = PasteExaminees(*ExamineeGrid, cp932::WithSubstitutes(*text));
    // Then what could not be taken whole, and a header row to take out.
    TellPasteResult(*ExamineeGrid, pasted);
}

void TMainForm::PrintButtonClick() {
    // Generation lets events run, so this can come while the report is
    // busy; its captions and offsets belong to that run.
    if (m_TicketReport && !m_TicketReport->Idle()) {
        TellRunInProgress();
        return;
    }
    if (TermCombo->currentIndex() == -1) {
        MessageDlg(cp932::Sys(msg::kChooseTerm), TMsgDlgType::mtError);
        return;
    }
    if (!m_TicketReport)
        return;
    // The header texts are the same on every ticket of the run; an empty
    // field prints as an empty box. Looked over with the captions and
    // offsets the run will use; the operator may still go on, and when
    // not, the report keeps what it had.
    const TTicketReport::TRequest request{.SchoolName = cp932::FromQString(SchoolNameEdit->text()),
                                          .Year = cp932::FromQString(YearEdit->text()),
                                          .Term = cp932::FromQString(TermCombo->currentText()),
                                          .Offsets = ReadPrintOffsets()};
    if (!m_TicketReport->PutRequestIf(request, [this] {
            return MayPrintTickets(*m_TicketReport, TGridExaminees(*ExamineeGrid));
        }))
        return;
    m_TicketReport->Preview();
}

void TMainForm::TellRunInProgress() {
    // A preview being made is brought forward; a print run is told.
    const TQRPrinter* printer = m_TicketReport->QRPrinter();
    auto* preview = printer && printer->Destination() == TQRPrinterDestination::Metafile
                        ? dynamic_cast<QWidget*>(printer->PreviewForm())
                        : nullptr;
    if (preview) {
        preview->raise();
        preview->activateWindow();
        return;
    }
    MessageDlg(cp932::Sys(msg::kRunInProgress), TMsgDlgType::mtInformation);
}

void TMainForm::PrintPositionButtonClick() {
    // A new dialog at every press, so the settings are read anew; it is
    // released once it has closed.
    TPrintPositionDialog dialog(this);
    dialog.exec();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!StoreOrCloseWithoutSaving([this] { FormClose(); })) {
        event->ignore();
        return;
    }
    event->accept();
    EndOpenWork();
}

void TMainForm::EndOpenWork() {
    // Closing the main window ends the program. A run still going stops
    // (a print in progress reaches no printer), and the previews, which are
    // windows of their own, close with it: each one's report lets go of it,
    // so nothing waits on them any more.
    if (m_TicketReport)
        m_TicketReport->Cancel();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
}

void TMainForm::showEvent(QShowEvent* event) {
    if (!m_Centred) {
        m_Centred = true;
        CentreOnScreen(this);
    }
    QWidget::showEvent(event);
}

} // namespace zel::app
