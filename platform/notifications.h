#pragma once
// Notifications between objects of the one GUI thread. A posted
// notification waits in the event queue and is delivered later by the event
// loop, after whatever is running has returned; a sent one is a plain call,
// handled before the sender goes on. This is how the report printer tells
// the preview about new pages without calling into a window.

#include <cstdint>
#include <memory>

namespace zel::platform {

struct TNotification {
    int Message = 0;
    std::int64_t WParam = 0;
    std::intptr_t LParam = 0;
    bool operator==(const TNotification&) const = default;
};

// Something notifications can be posted to. Notifications still queued
// when it is destroyed are dropped, never delivered to a dead object.
class TNotificationTarget {
public:
    TNotificationTarget();
    virtual ~TNotificationTarget();
    TNotificationTarget(const TNotificationTarget&) = delete;
    TNotificationTarget& operator=(const TNotificationTarget&) = delete;

    virtual void HandleNotification(const TNotification& notification) = 0;

private:
    friend void PostNotification(TNotificationTarget& target, const TNotification& notification);
    struct Impl;
    std::unique_ptr<Impl> m_Impl;
};

// Queued; delivered by the event loop. Without a running application
// object it stays queued.
void PostNotification(TNotificationTarget& target, const TNotification& notification);
// Delivered before this returns.
inline void SendNotification(TNotificationTarget& target, const TNotification& notification) {
    target.HandleNotification(notification);
}

// Lets the events waiting in the queue run, posted notifications among
// them, and returns when the queue is empty.
void ProcessPendingMessages();

} // namespace zel::platform
