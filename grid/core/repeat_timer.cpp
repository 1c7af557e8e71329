#include "grid/core/repeat_timer.h"

namespace zel {

TQtRepeatTimer::TQtRepeatTimer() {
    QObject::connect(&m_Timer, &QTimer::timeout, [this] {
        if (OnTimeout)
            OnTimeout();
    });
}

void TQtRepeatTimer::Start(int milliseconds) {
    m_Timer.start(milliseconds);
}

void TQtRepeatTimer::Stop() {
    m_Timer.stop();
}

} // namespace zel
