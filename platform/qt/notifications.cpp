#include "platform/notifications.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace zel::platform {
namespace {

QEvent::Type NotificationEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

class TNotificationEvent : public QEvent {
public:
    explicit TNotificationEvent(const TNotification& notification)
        : QEvent(NotificationEventType()), m_Notification(notification) {}
    const TNotification& Notification() const { return m_Notification; }

private:
    TNotification m_Notification;
};

} // namespace

// The Qt object the events are posted to. It dies with its target, and Qt
// drops the events still queued for it then.
struct TNotificationTarget::Impl : QObject {
    explicit Impl(TNotificationTarget& target) : Target(target) {}

    bool event(QEvent* event) override {
        if (event->type() != NotificationEventType())
            return QObject::event(event);
        Target.HandleNotification(static_cast<TNotificationEvent*>(event)->Notification());
        return true;
    }

    TNotificationTarget& Target;
};

TNotificationTarget::TNotificationTarget() : m_Impl(std::make_unique<Impl>(*this)) {}

TNotificationTarget::~TNotificationTarget() = default;

void PostNotification(TNotificationTarget& target, const TNotification& notification) {
    QCoreApplication::postEvent(target.m_Impl.get(), new TNotificationEvent(notification));
}

void ProcessPendingMessages() {
    QCoreApplication::processEvents();
}

} // namespace zel::platform
