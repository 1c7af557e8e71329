#pragma once
// The month grid of the drop-down calendar: a row of weekday names over
// six rows of day numbers. It never takes the keyboard focus (the editor
// under it keeps it) but answers the mouse: a click on a day picks it.

#include "framework/date.h"
#include "grid/core/custom_grid.h"

#include <cstdint>
#include <functional>

namespace zel {

enum TMODayWeekName : std::uint8_t { Sun, Mon, Tue, Wed, Thu, Fri, Sat };

// The day number shown in column 0 of the first day row for a month whose
// first day falls on `firstDayOfWeek` (0 = Sunday); values of 0 and below
// are blank cells before the first.
int MonthOffset(int firstDayOfWeek, TMODayWeekName startWeek);

class TMOInplaceCalender : public TCustomGrid {
    Q_OBJECT
public:
    explicit TMOInplaceCalender(QWidget* parent = nullptr);

    TMODayWeekName StartWeek() const { return m_StartWeek; }
    void SetStartWeek(TMODayWeekName value);
    const TDate& Date() const { return m_Date; }
    // An invalid date is ignored.
    void SetDate(const TDate& value);
    int Year() const { return m_Date.Year(); }
    int Month() const { return m_Date.Month(); }
    int Day() const { return m_Date.Day(); }
    // The same day in year `value` (29 February becomes the 28th).
    void SetYear(int value);
    // The same day in month `value` of the year, shortened to its length.
    void SetMonth(int value);
    // A day of the shown month; a day the month does not have, or the
    // current one, changes nothing.
    void SetDay(int value);

    TColor WeekEndColor() const { return m_WeekEndColor; }
    void SetWeekEndColor(TColor value);
    TColor SaturDayColor() const { return m_SaturDayColor; }
    void SetSaturDayColor(TColor value);
    TColor DayTextColor() const { return m_DayTextColor; }
    void SetDayTextColor(TColor value);

    // One month or year on; OnChange follows (twice for a year).
    void NextMonth();
    void PrevMonth();
    void NextYear();
    void PrevYear();

    int MonthOffset() const { return m_MonthOffset; }
    // A weekday name in row 0, a day number or "" below; code page 932.
    std::string CellText(int col, int row) const;
    // The weekday (0 = Sunday) shown in a column.
    int DayOfWeekOf(int col) const { return (m_StartWeek + col) % 7; }

    TNotifyEvent<TMOInplaceCalender> OnChange;
    // After the grid's own handling of a mouse release, in viewport pixels.
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>
        OnMouseUp;

protected:
    void DrawCell(int col, int row, const QRect& rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
    void Click() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateCalendar();
    void ChangeMonth(int months);
    void Change();

    TMODayWeekName m_StartWeek = Mon;
    TDate m_Date;
    int m_MonthOffset = 1;
    TColor m_WeekEndColor = clRed;
    TColor m_SaturDayColor = clBlue;
    TColor m_DayTextColor = clWindowText;
};

} // namespace zel
