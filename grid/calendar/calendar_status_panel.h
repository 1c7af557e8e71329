#pragma once
// The calendar's bottom strip: today's date as its caption, beside a small
// red frame that shows what marks today in the month grid. A double-click
// on it goes to today.

#include "framework/notify_event.h"
#include "grid/core/system_colors.h"

#include <QWidget>
#include <string>

namespace zel {

class TMOStatusPanel : public QWidget {
    Q_OBJECT
public:
    explicit TMOStatusPanel(QWidget* parent = nullptr);

    TColor Color() const { return m_Color; }
    void SetColor(TColor value);
    // Code page 932; drawn centred.
    const std::string& Caption() const { return m_Caption; }
    void SetCaption(const std::string& value);
    const std::string& Hint() const { return m_Hint; }
    void SetHint(const std::string& value);

    TNotifyEvent<TMOStatusPanel> OnDblClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TColor m_Color = clBtnFace;
    std::string m_Caption;
    std::string m_Hint;
};

} // namespace zel
