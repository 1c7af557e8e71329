#include "app/form1.h"

#include "app/controls.h"
#include "app/error_box.h"
#include "app/examinee_columns.h"
#include "app/form3.h"
#include "app/message_box.h"
#include "app/pagetta6.h"
#include "app/paste.h"
#include "app/settings.h"
#include "framework/exceptions.h"
#include "framework/messages.h"
#include "grid/column_string_grid.h"
#include "platform/clipboard.h"
#include "platform/cp932.h"
#include "platform/qt/qstring_text.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zel::app {

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QString::fromUtf8("Zelmark四号"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(285, 235);
    UseWindowFont(this);
    CreateControls();
    RunHandler([this] { FormCreate(); });
}

void TForm1::CreateControls() {
    MOStringGrid1 = new TMOStringGrid(this);
    MOStringGrid1->setGeometry(0, 0, 285, 125);
    MOStringGrid1->SetColCount(3);
    MOStringGrid1->SetRowCount(2);
    MOStringGrid1->SetFixedCols(0);
    MOStringGrid1->SetDefaultRowHeight(17);
    MOStringGrid1->SetColWidths(0, 66);
    MOStringGrid1->SetColWidths(1, 111);
    MOStringGrid1->SetColWidths(2, 85);
    MOStringGrid1->SetOptions(
        {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing});
    SetUpExamineeColumns(*MOStringGrid1);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 125, 285, 110);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    // Child positions count from inside the panel's one-pixel border.
    auto at = [](int left, int top, int width, int height) {
        return QRect(left + 1, top + 1, width, height);
    };
    Button1 = MakeButton(Panel1, "貼り付け", at(194, 8, 75, 25));
    Button2 = MakeButton(Panel1, "印刷", at(194, 40, 75, 25));
    Edit1 = MakeEdit(Panel1, at(40, 8, 137, 20));
    Label1 = MakeLabel(Panel1, "塾名", at(8, 8, 24, 17));
    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setGeometry(at(104, 40, 57, 20));
    ComboBox1->addItems(
        {QString::fromUtf8("夏期"), QString::fromUtf8("秋期"), QString::fromUtf8("冬期")});
    ComboBox1->setCurrentIndex(-1);
    Label2 = MakeLabel(Panel1, "平成", at(8, 40, 24, 17));
    Edit2 = MakeEdit(Panel1, at(40, 40, 25, 20));
    // The school name is typed in Japanese; the year is digits, typed
    // directly with the input method closed.
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, true);
    Edit2->setAttribute(Qt::WA_InputMethodEnabled, false);
    Label3 = MakeLabel(Panel1, "年度", at(72, 40, 24, 17));
    Button3 = MakeButton(Panel1, "印字位置", at(194, 72, 75, 25));

    connect(Button1, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button3Click(); }); });

    QWidget::setTabOrder(MOStringGrid1, Button1);
    QWidget::setTabOrder(Button1, Button2);
    QWidget::setTabOrder(Button2, Edit1);
    QWidget::setTabOrder(Edit1, ComboBox1);
    QWidget::setTabOrder(ComboBox1, Edit2);
    QWidget::setTabOrder(Edit2, Button3);
}

void TForm1::FormCreate() {
    const TIniFile settings = OpenSettings();
    Edit1->setText(
        cp932::ToQString(settings.ReadString(kSectionBasic, kKeyName, DefaultSchoolName())));
    Edit2->setText(cp932::ToQString(settings.ReadString(kSectionBasic, kKeyYear, "")));
}

void TForm1::FormClose() {
    const TIniFile settings = OpenSettings();
    settings.WriteString(kSectionBasic, kKeyName, cp932::FromQString(Edit1->text()));
    settings.WriteString(kSectionBasic, kKeyYear, cp932::FromQString(Edit2->text()));
}

void TForm1::Button1Click() {
    const std::optional<std::string> text = platform::ClipboardText();
    if (!text)
        throw EClipboardError(cp932::Sys(msg::kClipboardOpenError));
    if (!PasteExaminees(*MOStringGrid1, *text))
        MessageDlg(cp932::Sys(msg::kNothingToPaste), TMsgDlgType::mtInformation);
}

void TForm1::Button2Click() {
    if (ComboBox1->currentIndex() == -1) {
        MessageDlg(cp932::Sys("模試の種類を選んでください。"), TMsgDlgType::mtError);
        return;
    }
    if (!m_Pagetta6)
        return;
    // The header texts are the same on every ticket of the run; neither is
    // checked, so an empty field prints as an empty box.
    m_Pagetta6->QRLabel6->SetCaption(cp932::FromQString(Edit1->text()));
    m_Pagetta6->QRLabel1->SetCaption(cp932::FromQString(Edit2->text()));
    m_Pagetta6->QRLabel2->SetCaption(cp932::FromQString(ComboBox1->currentText()));
    m_Pagetta6->ApplyPrintOffsets();
    m_Pagetta6->Preview();
}

void TForm1::Button3Click() {
    // A new dialog at every press, so the settings are read anew; it is
    // released once it has closed.
    TForm3 dialog(this);
    dialog.exec();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (RunHandler([this] { FormClose(); }))
        event->accept();
    else
        event->ignore();
}

void TForm1::showEvent(QShowEvent* event) {
    if (!m_Centred) {
        m_Centred = true;
        CentreOnScreen(this);
    }
    QWidget::showEvent(event);
}

} // namespace zel::app
