#pragma once
// The option objects a column definition owns for its editor's spin button
// and drop-down month calendar. Plain values: setting one only stores it;
// the editor reads them the next time it needs them.

#include "grid/core/system_colors.h"

namespace zel {

class TMOSpinButtonOption {
public:
    int Increment() const { return m_Increment; }
    void SetIncrement(int value) { m_Increment = value; }
    // Equal limits mean no limits.
    int MaxValue() const { return m_MaxValue; }
    void SetMaxValue(int value) { m_MaxValue = value; }
    int MinValue() const { return m_MinValue; }
    void SetMinValue(int value) { m_MinValue = value; }

    void Assign(const TMOSpinButtonOption& source) { *this = source; }
    friend bool operator==(const TMOSpinButtonOption&, const TMOSpinButtonOption&) = default;

private:
    int m_Increment = 1;
    int m_MaxValue = 0;
    int m_MinValue = 0;
};

class TMOMonthCalColors {
public:
    TColor MonthFixedColor() const { return m_MonthFixedColor; }
    void SetMonthFixedColor(TColor value) { m_MonthFixedColor = value; }
    TColor MonthBackColor() const { return m_MonthBackColor; }
    void SetMonthBackColor(TColor value) { m_MonthBackColor = value; }
    TColor SaturDayColor() const { return m_SaturDayColor; }
    void SetSaturDayColor(TColor value) { m_SaturDayColor = value; }
    TColor TitleBackColor() const { return m_TitleBackColor; }
    void SetTitleBackColor(TColor value) { m_TitleBackColor = value; }
    TColor TitleTextColor() const { return m_TitleTextColor; }
    void SetTitleTextColor(TColor value) { m_TitleTextColor = value; }
    TColor WeekEndColor() const { return m_WeekEndColor; }
    void SetWeekEndColor(TColor value) { m_WeekEndColor = value; }
    TColor DayTextColor() const { return m_DayTextColor; }
    void SetDayTextColor(TColor value) { m_DayTextColor = value; }

    void Assign(const TMOMonthCalColors& source) { *this = source; }
    friend bool operator==(const TMOMonthCalColors&, const TMOMonthCalColors&) = default;

private:
    TColor m_MonthFixedColor = clWhite;
    TColor m_MonthBackColor = clWhite;
    TColor m_SaturDayColor = clBlue;
    TColor m_TitleBackColor = clActiveCaption;
    TColor m_TitleTextColor = clWhite;
    TColor m_WeekEndColor = clRed;
    TColor m_DayTextColor = clWindowText;
};

} // namespace zel
