#include "grid/calendar/month_calendar.h"

#include "framework/date_locale.h"

#include <QPainter>
#include <QResizeEvent>

namespace zel {
namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kRows = 7; // the weekday names and six weeks

// The weekend, shown in its own colour.
constexpr TMODayWeekName kWeekEnd = Sun;

} // namespace

int MonthOffset(int firstDayOfWeek, TMODayWeekName startWeek) {
    const int first = firstDayOfWeek + 1; // counted from 1 = Sunday
    const int offset = 2 - ((first - startWeek + kDaysPerWeek) % kDaysPerWeek);
    // 2 is a first day in the column before column 0, that is in the last
    // column of the first row.
    return offset == 2 ? -5 : offset;
}

TMOInplaceCalender::TMOInplaceCalender(QWidget* parent) : TCustomGrid(parent) {
    SetBorderStyle(bsNone);
    SetColor(clBtnFace);
    SetFixedColor(clBtnFace);
    SetOptions({goFixedHorzLine});
    SetScrollBars(ssNone);
    // Never the focus, yet the mouse reaches it.
    setFocusPolicy(Qt::NoFocus);
    SetFixedCols(0);
    SetColCount(kDaysPerWeek);
    SetRowCount(kRows);
    SetFixedRows(1);
    m_Date = TDate::Today();
    UpdateCalendar();
}

void TMOInplaceCalender::SetStartWeek(TMODayWeekName value) {
    if (value == m_StartWeek)
        return;
    m_StartWeek = value;
    UpdateCalendar();
}

void TMOInplaceCalender::SetDate(const TDate& value) {
    if (!value.IsValid())
        return;
    m_Date = value;
    UpdateCalendar();
}

void TMOInplaceCalender::SetYear(int value) {
    SetDate(IncMonth(m_Date, (value - m_Date.Year()) * 12));
}

void TMOInplaceCalender::SetMonth(int value) {
    if (value >= 1 && value <= 12)
        SetDate(IncMonth(m_Date, value - m_Date.Month()));
}

void TMOInplaceCalender::SetDay(int value) {
    if (value < 1 || value > DaysInMonth(m_Date.Year(), m_Date.Month()) || value == m_Date.Day())
        return;
    SetDate({m_Date.Year(), m_Date.Month(), value});
}

void TMOInplaceCalender::SetWeekEndColor(TColor value) {
    m_WeekEndColor = value;
    InvalidateGrid();
}

void TMOInplaceCalender::SetSaturDayColor(TColor value) {
    m_SaturDayColor = value;
    InvalidateGrid();
}

void TMOInplaceCalender::SetDayTextColor(TColor value) {
    m_DayTextColor = value;
    InvalidateGrid();
}

void TMOInplaceCalender::NextMonth() {
    ChangeMonth(1);
    Change();
}

void TMOInplaceCalender::PrevMonth() {
    ChangeMonth(-1);
    Change();
}

// A step by a year tells OnChange twice, as the calendar always has.
void TMOInplaceCalender::NextYear() {
    ChangeMonth(12);
    Change();
    Change();
}

void TMOInplaceCalender::PrevYear() {
    ChangeMonth(-12);
    Change();
    Change();
}

void TMOInplaceCalender::ChangeMonth(int months) {
    SetDate(IncMonth(m_Date, months));
}

void TMOInplaceCalender::Change() {
    if (OnChange)
        OnChange(*this);
}

void TMOInplaceCalender::UpdateCalendar() {
    const TDate first(m_Date.Year(), m_Date.Month(), 1);
    m_MonthOffset = zel::MonthOffset(first.DayOfWeek(), m_StartWeek);
    const int index = m_Date.Day() - m_MonthOffset;
    MoveCurrent(index % kDaysPerWeek, index / kDaysPerWeek + 1, false, false);
    InvalidateGrid();
}

std::string TMOInplaceCalender::CellText(int col, int row) const {
    if (row == 0)
        return DateLocale().ShortDayNames[static_cast<std::size_t>(DayOfWeekOf(col))];
    const int day = col + m_MonthOffset + (row - 1) * kDaysPerWeek;
    if (day < 1 || day > DaysInMonth(m_Date.Year(), m_Date.Month()))
        return {};
    return std::to_string(day);
}

bool TMOInplaceCalender::SelectCell(int col, int row) {
    return !CellText(col, row).empty();
}

void TMOInplaceCalender::Click() {
    const std::string text = CellText(Col(), Row());
    if (!text.empty())
        SetDay(std::stoi(text));
    TCustomGrid::Click();
}

void TMOInplaceCalender::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                 int y) {
    TCustomGrid::MouseUp(button, shift, x, y);
    if (OnMouseUp)
        OnMouseUp(button, shift, x, y);
}

void TMOInplaceCalender::DrawCell(int col, int row, const QRect& rect, TGridDrawState state) {
    TGridCanvas& canvas = Canvas();
    if (!state.Contains(gdSelected)) {
        const int dayOfWeek = DayOfWeekOf(col);
        canvas.SetFontColor(dayOfWeek == kWeekEnd ? m_WeekEndColor
                            : dayOfWeek == Sat    ? m_SaturDayColor
                                                  : m_DayTextColor);
    }
    const std::string text = CellText(col, row);
    canvas.AlignedText(rect, text, Qt::AlignCenter);
    if (row == 0 || text.empty() || TDate(Year(), Month(), std::stoi(text)) != TDate::Today())
        return;
    // Today: a red frame two pixels wide, one pixel inside the cell.
    const QRect frame = rect.adjusted(1, 1, -1, -1);
    const QColor red = ColorToQColor(clRed);
    QPainter& painter = canvas.Painter();
    painter.fillRect(frame.left(), frame.top(), frame.width(), 2, red);
    painter.fillRect(frame.left(), frame.bottom() - 1, frame.width(), 2, red);
    painter.fillRect(frame.left(), frame.top(), 2, frame.height(), red);
    painter.fillRect(frame.right() - 1, frame.top(), 2, frame.height(), red);
}

void TMOInplaceCalender::resizeEvent(QResizeEvent* event) {
    TCustomGrid::resizeEvent(event);
    // Seven columns and seven rows share the client area; the lines
    // between them take their part first.
    const int lineWidth = GridLineWidth();
    const QSize client = viewport()->size();
    const int width =
        Options().Contains(goVertLine) ? client.width() - 6 * lineWidth : client.width();
    SetDefaultColWidth(width / kDaysPerWeek);
    SetDefaultRowHeight((client.height() - 6 * lineWidth) / kRows);
}

} // namespace zel
