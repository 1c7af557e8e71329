#include "platform/notifications.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>

namespace zel::platform {
namespace {

QEvent::Type CallEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

class TCallEvent : public QEvent {
public:
    explicit TCallEvent(std::function<void()> call)
        : QEvent(CallEventType()), m_Call(std::move(call)) {}
    // The event outlives the call, so a call that destroys its target
    // still has its own captures until it returns.
    void Run() const { m_Call(); }

private:
    std::function<void()> m_Call;
};

} // namespace

// The Qt object the events are posted to. It dies with its target, and Qt
// drops the events still queued for it then.
struct TNotificationTarget::Impl : QObject {
    bool event(QEvent* event) override {
        if (event->type() != CallEventType())
            return QObject::event(event);
        static_cast<TCallEvent*>(event)->Run();
        return true;
    }
};

TNotificationTarget::TNotificationTarget() : m_Impl(std::make_unique<Impl>()) {}

TNotificationTarget::~TNotificationTarget() = default;

void PostCall(TNotificationTarget& target, std::function<void()> call) {
    QCoreApplication::postEvent(target.m_Impl.get(), new TCallEvent(std::move(call)));
}

void ProcessPendingMessages() {
    QCoreApplication::processEvents();
}

struct TMessageLoop::Impl {
    QEventLoop Loop;
    bool QuitCalled = false;
};

TMessageLoop::TMessageLoop() : m_Impl(std::make_unique<Impl>()) {}

TMessageLoop::~TMessageLoop() = default;

bool TMessageLoop::Run() {
    if (m_Impl->QuitCalled)
        return true;
    // Quitting the application ends every nested loop; exec then returns
    // at once, and does so again for a loop started after that.
    if (QCoreApplication::closingDown() || !QCoreApplication::instance())
        return false;
    m_Impl->Loop.exec();
    return m_Impl->QuitCalled;
}

void TMessageLoop::Quit() {
    m_Impl->QuitCalled = true;
    m_Impl->Loop.quit();
}

} // namespace zel::platform
