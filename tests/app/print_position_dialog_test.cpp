#include "app/print_position_dialog.h"
#include "app/settings.h"
#include "app/ticket_report_offsets.h"
#include "app/up_down.h"
#include "output/metafile.h"
#include "output/report_printer.h"
#include "output/windows/standard_preview.h"
#include "tests/app/app_test_fixture.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <tuple>

namespace zel::app {
namespace {

using Dialog = TPrintPositionDialog;

// Each print offset's edit, the up-down that steps it, and its key.
const struct Field {
    QLineEdit* Dialog::*edit;
    TUpDown* Dialog::*upDown;
    const char* key;
} kFields[] = {
    {&Dialog::LeftEdit, &Dialog::LeftUpDown, kKeyLeft},
    {&Dialog::TopEdit, &Dialog::TopUpDown, kKeyTop},
    {&Dialog::SpaceEdit, &Dialog::SpaceUpDown, kKeySpace},
    {&Dialog::HeightEdit, &Dialog::HeightUpDown, kKeyHeight},
};

using PrintPositionDialogTest = test::TInFreshFolder;

TEST_F(PrintPositionDialogTest, EachEditHasItsUpDownAtItsRightEdge) {
    Dialog dialog;
    for (const Field& f : kFields) {
        SCOPED_TRACE(f.key);
        const QRect edit = (dialog.*f.edit)->geometry();
        EXPECT_EQ((dialog.*f.upDown)->geometry(), QRect(edit.right() + 1, edit.top(), 15, 20));
        EXPECT_EQ((dialog.*f.upDown)->Associate(), dialog.*f.edit);
    }
    EXPECT_FALSE(dialog.OkButton->isDefault());
}

// Every edit has its up-down (above); the stepping is the same for each.
TEST_F(PrintPositionDialogTest, ArrowKeysStepAndStopAtTheLimits) {
    Dialog dialog;
    QLineEdit* edit = dialog.SpaceEdit;
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), QStringLiteral("10"));
    EXPECT_EQ(dialog.SpaceUpDown->Position(), 10);
    for (int i = 0; i < 25; ++i)
        QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), QStringLiteral("-10"));
    // Stepping starts from a number typed into the edit, however far
    // outside the limits, and stops at them.
    const struct {
        const char* typed;
        Qt::Key key;
        const char* shown;
    } steps[] = {{"4", Qt::Key_Up, "5"},
                 {"99999999999", Qt::Key_Up, "10"},
                 {"-99999999999", Qt::Key_Down, "-10"}};
    for (const auto& step : steps) {
        edit->setText(QString::fromUtf8(step.typed));
        QTest::keyClick(edit, step.key);
        EXPECT_EQ(edit->text(), QString::fromUtf8(step.shown)) << step.typed;
    }
}

TEST_F(PrintPositionDialogTest, OkStoresTheTextsAsTypedAndTheNextOpeningReadsThem) {
    const struct {
        const char* typed;
        const char* shownNext; // what is not a number comes back as 0, values past the arrows'
                               // range as stored
    } typed[] = {{"15", "15"}, {"-3 ", "0"}, {"0x0A", "10"}, {"abc", "0"}};
    Dialog dialog;
    dialog.show();
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        EXPECT_EQ((dialog.*kFields[i].edit)->text(), QStringLiteral("0")); // nothing stored yet
        (dialog.*kFields[i].edit)->setText(QString::fromUtf8(typed[i].typed));
    }
    // The calibration sheet prints with the offsets the tickets will get.
    const TPrintOffsets sheet = dialog.TypedOffsets();
    dialog.OkButton->click();
    EXPECT_FALSE(dialog.isVisible());
    const TPrintOffsets tickets = ReadPrintOffsets(OpenSettings());
    EXPECT_EQ(std::tuple(sheet.left, sheet.top, sheet.space, sheet.height),
              std::tuple(tickets.left, tickets.top, tickets.space, tickets.height));

    Dialog next;
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        SCOPED_TRACE(kFields[i].key);
        EXPECT_EQ(OpenSettings().ReadString(kSectionMargin, kFields[i].key, ""), typed[i].typed);
        EXPECT_EQ((next.*kFields[i].edit)->text(), QString::fromUtf8(typed[i].shownNext));
    }
    QTest::keyClick(next.LeftEdit, Qt::Key_Down);
    EXPECT_EQ(next.LeftEdit->text(), QStringLiteral("10"));
}

TEST_F(PrintPositionDialogTest, ClosingWithoutOkOrPressingEscapeStoresNothing) {
    Dialog dialog;
    dialog.show();
    dialog.LeftEdit->setText(QStringLiteral("7"));
    QTest::keyClick(dialog.LeftEdit, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()); // no cancel button: Escape does not close
    dialog.close();
    EXPECT_FALSE(std::filesystem::exists(dir.File("zel.ini")));
}

// A folder named zel.ini cannot be written, even by root: the error comes
// with the question, and no keeps the dialog open, yes closes it.
TEST_F(PrintPositionDialogTest, AFailedWriteAsksWhetherToCloseWithoutSaving) {
    Dialog dialog;
    dialog.show();
    std::filesystem::create_directory(dir.File("zel.ini"));
    for (const bool yes : {false, true}) {
        box.answer = yes;
        dialog.OkButton->click();
        EXPECT_EQ(dialog.isVisible(), !yes);
    }
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].caption, "Zelmark");
    EXPECT_EQ(box.shown[0].buttons, TMsgDlgButtons::mbYesNo);
    EXPECT_EQ(box.shown[0].text,
              SettingsPath() + cp932::Sys(" に書き込めません.\n保存せずに閉じますか？"));
}

// The sheet opens in the preview, over the modal dialog and taking input itself, with the
// offsets as typed; nothing is stored. The handler returns once the preview has closed.
TEST_F(PrintPositionDialogTest, ContextMenuPreviewsTheCalibrationSheetWithTheTypedOffsets) {
    Dialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    dialog.LeftEdit->setText("5");
    dialog.TopEdit->setText("-4");
    ASSERT_EQ(dialog.contextMenuPolicy(), Qt::ActionsContextMenu);
    ASSERT_EQ(dialog.actions().size(), 1);

    std::string offsetsLine;
    bool modal = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* preview = qobject_cast<TQRStandardPreview*>(widget);
            if (!preview || !preview->isVisible() || !preview->QRPrinter() ||
                preview->QRPrinter()->PageCount() < 1)
                continue;
            modal = preview->windowModality() == Qt::ApplicationModal;
            const auto page = preview->QRPrinter()->GetPage(1);
            for (const auto& record : page->Page().Records())
                if (const auto* text = std::get_if<platform::TTextOutRecord>(&record))
                    if (text->Text.starts_with("left="))
                        offsetsLine = text->Text;
            preview->close();
        }
    });
    driver.start(50);
    dialog.actions().front()->trigger();
    driver.stop();
    EXPECT_TRUE(modal);
    EXPECT_EQ(offsetsLine, "left=5 top=-4 space=0 height=0");
    EXPECT_EQ(OpenSettings().ReadString(kSectionMargin, kKeyLeft, "none"), "none");
}

} // namespace
} // namespace zel::app
