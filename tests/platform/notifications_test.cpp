#include "platform/notifications.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace zel::platform {
namespace {

TEST(Notifications, PostedCallsRunLaterInTheOrderPosted) {
    TNotificationTarget target;
    std::vector<int> ran;
    PostCall(target, [&] { ran.push_back(1); });
    PostCall(target, [&] { ran.push_back(2); });
    EXPECT_TRUE(ran.empty());
    ProcessPendingMessages();
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST(Notifications, QueuedCallsForATargetThatIsGoneAreDropped) {
    auto gone = std::make_unique<TNotificationTarget>();
    TNotificationTarget other;
    std::vector<int> ran;
    PostCall(*gone, [&] { ran.push_back(1); });
    PostCall(other, [&] { ran.push_back(2); });
    gone.reset();
    ProcessPendingMessages();
    EXPECT_EQ(ran, (std::vector<int>{2}));
}

TEST(Notifications, ACallMayReleaseItsTargetAndTheRestQueuedForItIsDropped) {
    auto self = std::make_unique<TNotificationTarget>();
    int ran = 0;
    PostCall(*self, [&] {
        ++ran;
        self.reset();
    });
    PostCall(*self, [&] { ++ran; });
    ProcessPendingMessages();
    EXPECT_EQ(self, nullptr);
    EXPECT_EQ(ran, 1);
}

} // namespace
} // namespace zel::platform
