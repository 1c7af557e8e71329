#pragma once
// The timer behind a button that repeats its click while it is held down.
// Buttons own one; tests give them one they fire themselves, so repeat
// timing is checked without waiting.

#include <QTimer>
#include <functional>
#include <memory>

namespace zel {

class TRepeatTimer {
public:
    virtual ~TRepeatTimer() = default;
    // (Re)starts: OnTimeout after `milliseconds`, then every as many
    // until stopped or started again.
    virtual void Start(int milliseconds) = 0;
    virtual void Stop() = 0;
    std::function<void()> OnTimeout;
};

class TQtRepeatTimer : public TRepeatTimer {
public:
    TQtRepeatTimer();
    void Start(int milliseconds) override;
    void Stop() override;

private:
    QTimer m_Timer;
};

} // namespace zel
