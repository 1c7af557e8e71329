#pragma once
// The drop-down month calendar of a calendar column's editor: a title
// strip with the year and month between four navigation buttons, the
// month grid, and a strip with today's date. It floats below the editor
// without taking the focus from it; picking a day tells the editor, which
// then reads the date and closes the popup.

#include "framework/date.h"
#include "grid/columns/column_options.h"

#include <QWidget>
#include <functional>

class QLabel;

namespace zel {

class TMOInplaceCalender;
class TMOSpeedButton;
class TMOStatusPanel;

// Where a popup of `popupSize` goes for an editor at `editorGlobalRect`:
// just below it, or just above it when its bottom would pass
// `screenBottom` (the first pixel row below the screen).
QPoint PopupPosition(const QRect& editorGlobalRect, const QSize& popupSize, int screenBottom);

class TMOPopupPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGridWidth = 160;
    static constexpr int kGridHeight = 100;
    static constexpr int kTitleHeight = 25;
    static constexpr int kTodayHeight = 15;

    // Built hidden; `editor` is the in-place editor that owns it.
    TMOPopupPanel(QWidget* editor, const TMOMonthCalColors& colors, const TDate& date);
    ~TMOPopupPanel() override;

    // Shows it below editorGlobalRect, or above when its bottom would pass
    // the screen, without activating it or taking the focus.
    void DropDown(const QRect& editorGlobalRect);
    // The month grid's date.
    TDate Date() const;
    TMOInplaceCalender* Calendar() const { return m_Calendar; }
    // Called (after the mouse release has been handled, from the event
    // loop) when a left release without modifiers on a day cell picks a
    // day; the editor then closes the popup: it reads Date() and deletes
    // the popup.
    std::function<void()> OnDayPicked;
    // True when `widget` is the popup or inside it (for cancel-mode
    // decisions).
    bool Contains(const QWidget* widget) const;

    // The parts, for those who look at them.
    TMOSpeedButton* PrevYearButton() const { return m_PrevYear; }
    TMOSpeedButton* PrevMonthButton() const { return m_PrevMonth; }
    TMOSpeedButton* NextMonthButton() const { return m_NextMonth; }
    TMOSpeedButton* NextYearButton() const { return m_NextYear; }
    QLabel* TitleLabel() const { return m_TitleLabel; }
    TMOStatusPanel* TodayPanel() const { return m_TodayPanel; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TMOSpeedButton* AddButton(int x, const char* glyph, const char* hint);
    void GridMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void UpdateTitle();

    QWidget* m_Title = nullptr;
    QLabel* m_TitleLabel = nullptr;
    TMOSpeedButton* m_PrevYear = nullptr;
    TMOSpeedButton* m_PrevMonth = nullptr;
    TMOSpeedButton* m_NextMonth = nullptr;
    TMOSpeedButton* m_NextYear = nullptr;
    TMOInplaceCalender* m_Calendar = nullptr;
    TMOStatusPanel* m_TodayPanel = nullptr;
};

} // namespace zel
