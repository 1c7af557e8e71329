#pragma once
// A flat button that never takes the focus and, while held down, clicks
// again and again: first 400 ms after the press, then every 100 ms. Its
// timer can be replaced, so that tests tick it by hand.

#include "grid/core/repeat_timer.h"

#include <QAbstractButton>
#include <functional>
#include <memory>

namespace zel {

class TTimerSpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kFirstRepeat = 400;
    static constexpr int kRepeat = 100;

    explicit TTimerSpeedButton(QWidget* parent = nullptr);
    ~TTimerSpeedButton() override;

    void SetRepeatTimer(std::unique_ptr<TRepeatTimer> timer);
    void SetGlyph(const QPixmap& glyph);

    // Raised on the press and on every repeat while the pointer stays on it.
    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Tick();

    std::unique_ptr<TRepeatTimer> m_Timer;
    QPixmap m_Glyph;
    bool m_Held = false;
};

} // namespace zel
