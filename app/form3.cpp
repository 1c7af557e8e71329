#include "app/form3.h"

#include "app/controls.h"
#include "app/error_box.h"
#include "app/settings.h"
#include "app/up_down.h"
#include "platform/qt/qstring_text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zel::app {
namespace {

TUpDown* MakeUpDown(QWidget* parent, QLineEdit* associate, QPoint topLeft) {
    auto* upDown = new TUpDown(parent);
    upDown->setGeometry(QRect(topLeft, QSize(15, 20)));
    upDown->SetMin(-10);
    upDown->SetMax(10);
    upDown->SetAssociate(associate);
    return upDown;
}

} // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("印字位置調整"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(316, 213);
    UseWindowFont(this);
    CreateControls();
    RunHandler([this] { FormCreate(); });
}

void TForm3::CreateControls() {
    Label5 = MakeAutoSizeLabel(this, "◎左上の受験票の印字位置を調整します。", {8, 8});
    Label1 = MakeLabel(this, "横", {8, 24, 12, 17});
    Label3 = MakeLabel(this, "文字を左へずらす時は負数を", {72, 24, 150, 17});
    Label2 = MakeLabel(this, "縦", {8, 48, 12, 17});
    Label4 = MakeLabel(this, "文字を上にずらすときは負数を", {72, 48, 156, 17});
    Label6 = MakeAutoSizeLabel(this, "◎右列の受験票の印字位置（横方向）を調整します。", {8, 80});
    Label7 = MakeLabel(this, "文字を左へずらす時は負数を", {72, 96, 150, 17});
    Label8 =
        MakeAutoSizeLabel(this, "◎２行目以下の受験票の印字位置（縦方向）を調整します。", {8, 128});
    Label9 = MakeLabel(this, "文字を上にずらすときは負数を", {72, 144, 156, 17});

    Edit1 = MakeEdit(this, {24, 24, 25, 20});
    Edit2 = MakeEdit(this, {24, 48, 25, 20});
    Edit3 = MakeEdit(this, {24, 96, 25, 20});
    Edit4 = MakeEdit(this, {24, 144, 25, 20});
    UpDown3 = MakeUpDown(this, Edit1, {49, 24});
    UpDown4 = MakeUpDown(this, Edit2, {49, 48});
    UpDown2 = MakeUpDown(this, Edit3, {49, 96});
    UpDown1 = MakeUpDown(this, Edit4, {49, 144});

    Button1 = MakeButton(this, "O.K.", {120, 176, 75, 25});
    connect(Button1, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button1Click(); }); });

    // The up-down controls take no focus, so Tab visits the edits and O.K.
    QWidget::setTabOrder(Edit1, Edit2);
    QWidget::setTabOrder(Edit2, Button1);
    QWidget::setTabOrder(Button1, Edit3);
    QWidget::setTabOrder(Edit3, Edit4);
}

void TForm3::FormCreate() {
    const TIniFile settings = OpenSettings();
    UpDown3->SetPosition(settings.ReadInteger(kSectionMargin, kKeyLeft, 0));
    UpDown4->SetPosition(settings.ReadInteger(kSectionMargin, kKeyTop, 0));
    UpDown2->SetPosition(settings.ReadInteger(kSectionMargin, kKeySpace, 0));
    UpDown1->SetPosition(settings.ReadInteger(kSectionMargin, kKeyHeight, 0));
}

void TForm3::Button1Click() {
    const TIniFile settings = OpenSettings();
    settings.WriteString(kSectionMargin, kKeyLeft, cp932::FromQString(Edit1->text()));
    settings.WriteString(kSectionMargin, kKeyTop, cp932::FromQString(Edit2->text()));
    settings.WriteString(kSectionMargin, kKeySpace, cp932::FromQString(Edit3->text()));
    settings.WriteString(kSectionMargin, kKeyHeight, cp932::FromQString(Edit4->text()));
    close();
}

void TForm3::keyPressEvent(QKeyEvent* event) {
    // The dialog has no cancel button: Escape does not close it.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm3::showEvent(QShowEvent* event) {
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

} // namespace zel::app
