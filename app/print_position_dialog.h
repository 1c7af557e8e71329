#pragma once
// The print-position dialog: the four print offsets, each in an edit with
// an up-down control, stored by "O.K." and read anew at every opening.

#include "app/ticket_report_offsets.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zel::app {

class TUpDown;

class TPrintPositionDialog : public QDialog {
    Q_OBJECT
public:
    explicit TPrintPositionDialog(QWidget* parent = nullptr);

    // One edit and its up-down per print offset.
    QLineEdit* LeftEdit = nullptr;
    QLineEdit* TopEdit = nullptr;
    QLineEdit* SpaceEdit = nullptr;
    QLineEdit* HeightEdit = nullptr;
    TUpDown* LeftUpDown = nullptr;
    TUpDown* TopUpDown = nullptr;
    TUpDown* SpaceUpDown = nullptr;
    TUpDown* HeightUpDown = nullptr;
    QPushButton* OkButton = nullptr;

    // The explanations: a heading per group, the "横" and "縦" captions of
    // the top-left ticket's rows, and a hint beside each edit.
    QLabel* TopLeftHeading = nullptr;
    QLabel* LeftCaption = nullptr;
    QLabel* LeftHint = nullptr;
    QLabel* TopCaption = nullptr;
    QLabel* TopHint = nullptr;
    QLabel* RightColumnHeading = nullptr;
    QLabel* SpaceHint = nullptr;
    QLabel* LaterRowsHeading = nullptr;
    QLabel* HeightHint = nullptr;

    // Shows the stored offsets.
    void FormCreate();
    // Stores the four texts as typed, then closes. A failed write stores
    // nothing after the failing key and asks whether to close without
    // saving; no keeps the dialog open.
    void OkButtonClick();
    // Shows the calibration sheet in the preview with the offsets as typed,
    // stored or not; returns when the preview has closed.
    void PreviewCalibrationClick();
    TPrintOffsets TypedOffsets() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
};

} // namespace zel::app
