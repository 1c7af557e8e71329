#include "platform/notifications.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace zel::platform {
namespace {

struct TLog : TNotificationTarget {
    void HandleNotification(const TNotification& n) override {
        Received.push_back(n.Message);
        if (OnReceive)
            OnReceive(n);
    }
    std::vector<int> Received;
    std::function<void(const TNotification&)> OnReceive;
};

TEST(Notifications, PostedOnesArriveLaterInOrderSentOnesAtOnce) {
    TLog log;
    PostNotification(log, {1, 10, 0});
    PostNotification(log, {2, 20, 0});
    SendNotification(log, {3, 0, 0});
    EXPECT_EQ(log.Received, (std::vector<int>{3}));
    ProcessPendingMessages();
    EXPECT_EQ(log.Received, (std::vector<int>{3, 1, 2}));
}

TEST(Notifications, QueuedOnesForATargetThatIsGoneAreDropped) {
    auto gone = std::make_unique<TLog>();
    TLog other;
    PostNotification(*gone, {1, 0, 0});
    PostNotification(other, {2, 0, 0});
    gone.reset();
    ProcessPendingMessages();
    EXPECT_EQ(other.Received, (std::vector<int>{2}));
}

TEST(Notifications, ATargetMayReleaseItselfWhileHandlingOne) {
    auto self = std::make_unique<TLog>();
    self->OnReceive = [&](const TNotification&) { self.reset(); };
    PostNotification(*self, {1, 0, 0});
    PostNotification(*self, {2, 0, 0});
    ProcessPendingMessages();
    EXPECT_EQ(self, nullptr);
}

} // namespace
} // namespace zel::platform
