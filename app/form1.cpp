#include "app/form1.h"

#include "app/error_box.h"
#include "app/settings.h"
#include "platform/cp932.h"
#include "platform/qt/font_faces.h"
#include "platform/qt/qstring_text.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace zel::app {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLabel* MakeLabel(QWidget* parent, const char* caption, QRect geometry) {
    auto* label = new QLabel(Text(caption), parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* caption, QRect geometry) {
    auto* button = new QPushButton(Text(caption), parent);
    button->setGeometry(geometry);
    return button;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(Text("Zelmark四号"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(285, 235);
    setFont(platform::MakeFont(cp932::Sys("ＭＳ Ｐゴシック"), -12));
    CreateControls();
    RunHandler([this] { FormCreate(); });
}

void TForm1::CreateControls() {
    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 125, 285, 110);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    // Child positions count from inside the panel's one-pixel border.
    auto at = [](int left, int top, int width, int height) {
        return QRect(left + 1, top + 1, width, height);
    };
    Button1 = MakeButton(Panel1, "貼り付け", at(194, 8, 75, 25));
    Button2 = MakeButton(Panel1, "印刷", at(194, 40, 75, 25));
    Edit1 = new QLineEdit(Panel1);
    Edit1->setGeometry(at(40, 8, 137, 20));
    Label1 = MakeLabel(Panel1, "塾名", at(8, 8, 24, 17));
    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setGeometry(at(104, 40, 57, 20));
    ComboBox1->addItems({Text("夏期"), Text("秋期"), Text("冬期")});
    ComboBox1->setCurrentIndex(-1);
    Label2 = MakeLabel(Panel1, "平成", at(8, 40, 24, 17));
    Edit2 = new QLineEdit(Panel1);
    Edit2->setGeometry(at(40, 40, 25, 20));
    Label3 = MakeLabel(Panel1, "年度", at(72, 40, 24, 17));
    Button3 = MakeButton(Panel1, "印字位置", at(194, 72, 75, 25));

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

void TForm1::closeEvent(QCloseEvent* event) {
    if (RunHandler([this] { FormClose(); }))
        event->accept();
    else
        event->ignore();
}

void TForm1::showEvent(QShowEvent* event) {
    if (!m_Centred) {
        m_Centred = true;
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

} // namespace zel::app
