#pragma once
// Calls between objects of the one GUI thread. A posted call waits in the
// event queue and runs later from the event loop, after whatever is running
// has returned. This is how the report printer tells the preview about new
// pages without calling into a window in the middle of a run. Whatever must
// be handled before the caller goes on is a plain call instead.

#include <functional>
#include <memory>

namespace zel::platform {

// What calls are posted to. Calls still queued when it is destroyed are
// dropped, never run against a dead object.
class TNotificationTarget {
public:
    TNotificationTarget();
    virtual ~TNotificationTarget();
    TNotificationTarget(const TNotificationTarget&) = delete;
    TNotificationTarget& operator=(const TNotificationTarget&) = delete;

private:
    friend void PostCall(TNotificationTarget& target, std::function<void()> call);
    struct Impl;
    std::unique_ptr<Impl> m_Impl;
};

// Queued; the event loop runs `call` while `target` lives. Without a running
// application object it stays queued.
void PostCall(TNotificationTarget& target, std::function<void()> call);

// Lets the events waiting in the queue run, posted calls among them, and
// returns when the queue is empty.
void ProcessPendingMessages();

} // namespace zel::platform
