#pragma once
// The calendar's navigation button: a small flat-topped push button with a
// glyph that clicks on release and, while held down over itself, repeats
// its click after 500 ms and then every 100 ms. It never takes the focus.

#include "grid/core/repeat_timer.h"

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace zel {

class TMOSpeedButton : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFirstRepeat = 500;
    static constexpr int kNextRepeat = 100;

    explicit TMOSpeedButton(QWidget* parent = nullptr);
    ~TMOSpeedButton() override;

    const QPixmap& Glyph() const { return m_Glyph; }
    void SetGlyph(const QPixmap& glyph);
    // Code page 932.
    const std::string& Hint() const { return m_Hint; }
    void SetHint(const std::string& hint);
    // Drawn pushed in: pressed with the pointer over it.
    bool Down() const { return m_Down; }

    void SetRepeatTimer(std::unique_ptr<TRepeatTimer> timer);

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Click();
    void Repeat();
    void StopTracking();

    QPixmap m_Glyph;
    std::string m_Hint;
    std::unique_ptr<TRepeatTimer> m_Timer;
    bool m_Tracking = false; // pressed, the mouse held by this button
    bool m_Down = false;
};

} // namespace zel
