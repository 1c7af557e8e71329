// Writes docs/editor-<style>.png: one grid per editor style with the
// editor open over a cell, and an open drop-down drawn where it stands.
// Run offscreen: editor_screenshots <output folder>

#include "framework/date.h"
#include "grid/calendar/calendar_popup.h"
#include "grid/columns/column_string_grid.h"
#include "grid/editor/inplace_edit_3d.h"
#include "grid/editor/pop_list_box.h"
#include "grid/editor/register_column_editor.h"
#include "platform/cp932.h"
#include "platform/qt/font_faces.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

namespace {

using namespace zel;

struct Shot {
    const char* Name;
    TMOColumnButtonStyle Style;
    const char* Text;
    bool Drop;
};

void Settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::InstallFontFaceSubstitutions();
    RegisterColumnEditor();
    // The same pictures on any day.
    const TFixedToday today({2026, 12, 7});
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    const Shot shots[] = {
        {"0-simple", cbsSimple, "山田 太郎", false},
        {"1-ellipsis", cbsEllipsis, "C:\\data\\list.txt", false},
        {"2-pick-list", cbsList, "会場A", true},
        {"3-drop-list", cbsDropList, "会場B", false},
        {"4-check-box", cbsCheckBox, "1", false},
        {"5-spin", cbsSpin, "15", false},
        {"6-calendar", cbsCalendar, "", true},
    };
    int failures = 0;
    for (const Shot& shot : shots) {
        TMOStringGrid grid;
        grid.SetColCount(2);
        grid.SetRowCount(4);
        grid.SetColWidths(1, 150);
        grid.resize(230, 90);
        TMOGridColumn& column = grid.GridColumns().Items(1);
        column.SetButtonStyle(shot.Style);
        column.SetCaption(cp932::FromUtf8("値"));
        TStringList items;
        for (const char* item : {"会場A", "会場B", "会場C（別館の大きい教室）"})
            items.Add(cp932::FromUtf8(item));
        column.SetListStrings(items);
        grid.SetCells(1, 1, cp932::FromUtf8(shot.Text));
        grid.SetCells(1, 2, cp932::FromUtf8(shot.Style == cbsCheckBox ? "0" : ""));
        grid.show();
        grid.activateWindow();
        if (!QTest::qWaitForWindowActive(&grid))
            ++failures;
        grid.setFocus();
        grid.SetCol(1);
        grid.SetRow(1);
        grid.ShowEditor();
        Settle();
        auto* editor = dynamic_cast<TInplaceEdit3D*>(grid.InplaceEditor());
        if (!editor) {
            ++failures;
            continue;
        }
        // Unselected, so that the blanks of a masked date show.
        editor->Deselect();
        if (shot.Drop) {
            QTest::mouseClick(editor, Qt::LeftButton, {}, editor->ButtonRect().center());
            Settle();
        }
        QImage image = grid.grab().toImage();
        // A drop-down is a window of its own: drawn in where it stands.
        QWidget* popup = editor->ListVisible() ? static_cast<QWidget*>(editor->PickList())
                                               : editor->CalendarPopup();
        if (shot.Drop && popup) {
            const QPoint at = grid.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0)));
            QImage wide(std::max(image.width(), at.x() + popup->width()),
                        std::max(image.height(), at.y() + popup->height()), image.format());
            wide.fill(Qt::white);
            QPainter painter(&wide);
            painter.drawImage(0, 0, image);
            painter.drawPixmap(at, popup->grab());
            painter.end();
            image = wide;
        }
        if (!image.save(QDir(folder).filePath(QStringLiteral("editor-%1.png").arg(shot.Name))))
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
