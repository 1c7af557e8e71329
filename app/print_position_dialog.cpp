#include "app/print_position_dialog.h"

#include "app/calibration_sheet.h"

#include "app/controls.h"
#include "app/error_box.h"
#include "app/settings.h"
#include "app/up_down.h"
#include "framework/number_text.h"
#include "platform/qt/qstring_text.h"

#include <QAction>
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

TPrintPositionDialog::TPrintPositionDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("印字位置調整"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(316, 213);
    UseWindowFont(this);
    CreateControls();
    RunHandler([this] { FormCreate(); });
}

void TPrintPositionDialog::CreateControls() {
    TopLeftHeading = MakeAutoSizeLabel(this, "◎左上の受験票の印字位置を調整します。", {8, 8});
    LeftCaption = MakeLabel(this, "横", {8, 24, 12, 17});
    LeftHint = MakeLabel(this, "文字を左へずらす時は負数を", {72, 24, 150, 17});
    TopCaption = MakeLabel(this, "縦", {8, 48, 12, 17});
    TopHint = MakeLabel(this, "文字を上にずらすときは負数を", {72, 48, 156, 17});
    RightColumnHeading =
        MakeAutoSizeLabel(this, "◎右列の受験票の印字位置（横方向）を調整します。", {8, 80});
    SpaceHint = MakeLabel(this, "文字を左へずらす時は負数を", {72, 96, 150, 17});
    LaterRowsHeading =
        MakeAutoSizeLabel(this, "◎２行目以下の受験票の印字位置（縦方向）を調整します。", {8, 128});
    HeightHint = MakeLabel(this, "文字を上にずらすときは負数を", {72, 144, 156, 17});

    LeftEdit = MakeEdit(this, {24, 24, 25, 20});
    TopEdit = MakeEdit(this, {24, 48, 25, 20});
    SpaceEdit = MakeEdit(this, {24, 96, 25, 20});
    HeightEdit = MakeEdit(this, {24, 144, 25, 20});
    LeftUpDown = MakeUpDown(this, LeftEdit, {49, 24});
    TopUpDown = MakeUpDown(this, TopEdit, {49, 48});
    SpaceUpDown = MakeUpDown(this, SpaceEdit, {49, 96});
    HeightUpDown = MakeUpDown(this, HeightEdit, {49, 144});

    OkButton = MakeButton(this, "O.K.", {120, 176, 75, 25});
    connect(OkButton, &QPushButton::clicked, this,
            [this] { RunHandler([this] { OkButtonClick(); }); });

    // The calibration sheet hides in the context menu, so the dialog keeps
    // its layout; the tooltip tells where it is.
    auto* calibration = new QAction(QString::fromUtf8("調整用シートをプレビュー"), this);
    addAction(calibration);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setToolTip(QString::fromUtf8("右クリック: 入力中の印字位置で調整用シートをプレビューに出します"
                                 "（印刷や PDF の保存はプレビューから）"));
    connect(calibration, &QAction::triggered, this,
            [this] { RunHandler([this] { PreviewCalibrationClick(); }); });

    // The up-down controls take no focus, so Tab visits the edits and O.K.
    QWidget::setTabOrder(LeftEdit, TopEdit);
    QWidget::setTabOrder(TopEdit, OkButton);
    QWidget::setTabOrder(OkButton, SpaceEdit);
    QWidget::setTabOrder(SpaceEdit, HeightEdit);
}

void TPrintPositionDialog::FormCreate() {
    const TIniFile settings = OpenSettings();
    LeftUpDown->SetPosition(settings.ReadInteger(kSectionMargin, kKeyLeft, 0));
    TopUpDown->SetPosition(settings.ReadInteger(kSectionMargin, kKeyTop, 0));
    SpaceUpDown->SetPosition(settings.ReadInteger(kSectionMargin, kKeySpace, 0));
    HeightUpDown->SetPosition(settings.ReadInteger(kSectionMargin, kKeyHeight, 0));
}

TPrintOffsets TPrintPositionDialog::TypedOffsets() const {
    // As the report reads them from the file: what is not a number is 0.
    const auto value = [](const QLineEdit* edit) {
        return StrToIntDef(cp932::FromQString(edit->text()), 0);
    };
    return {.left = value(LeftEdit),
            .top = value(TopEdit),
            .space = value(SpaceEdit),
            .height = value(HeightEdit)};
}

void TPrintPositionDialog::PreviewCalibrationClick() {
    PreviewCalibrationSheet(TypedOffsets());
}

void TPrintPositionDialog::OkButtonClick() {
    const bool close = StoreOrCloseWithoutSaving([this] {
        const TIniFile settings = OpenSettings();
        settings.WriteString(kSectionMargin, kKeyLeft, cp932::FromQString(LeftEdit->text()));
        settings.WriteString(kSectionMargin, kKeyTop, cp932::FromQString(TopEdit->text()));
        settings.WriteString(kSectionMargin, kKeySpace, cp932::FromQString(SpaceEdit->text()));
        settings.WriteString(kSectionMargin, kKeyHeight, cp932::FromQString(HeightEdit->text()));
    });
    if (close)
        QDialog::close();
}

void TPrintPositionDialog::keyPressEvent(QKeyEvent* event) {
    // The dialog has no cancel button: Escape does not close it.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPrintPositionDialog::showEvent(QShowEvent* event) {
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

} // namespace zel::app
