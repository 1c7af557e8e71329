#pragma once
// An up/down pair of repeating buttons stacked in one small window, the
// down half overlapping the up half by a pixel. The focus stays wherever
// it was.

#include "grid/editor/timer_speed_button.h"

#include <QWidget>
#include <functional>

namespace zel {

class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget* parent = nullptr);

    TTimerSpeedButton* UpButton() const { return m_UpButton; }
    TTimerSpeedButton* DownButton() const { return m_DownButton; }

    std::function<void()> OnUpClick;
    std::function<void()> OnDownClick;

    QSize sizeHint() const override { return {20, 25}; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TTimerSpeedButton* m_UpButton;
    TTimerSpeedButton* m_DownButton;
};

} // namespace zel
