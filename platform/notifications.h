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

// A message loop nested in the running one, for waiting on something the
// events bring about (a window closing): it sleeps until an event comes,
// so waiting costs nothing. Run returns once Quit has been called, at
// once when it was called before, or when the application is ending.
class TMessageLoop {
public:
    TMessageLoop();
    ~TMessageLoop();
    TMessageLoop(const TMessageLoop&) = delete;
    TMessageLoop& operator=(const TMessageLoop&) = delete;

    // False when it returned because the application is ending.
    bool Run();
    void Quit();

private:
    struct Impl;
    std::unique_ptr<Impl> m_Impl;
};

} // namespace zel::platform
