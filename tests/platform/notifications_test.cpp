#include "platform/notifications.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace zel::platform {
namespace {

TEST(Notifications, PostedCallsRunLaterInOrderAndThoseForATargetThatIsGoneAreDropped) {
    auto gone = std::make_unique<TNotificationTarget>();
    TNotificationTarget other;
    std::vector<int> ran;
    PostCall(other, [&] { ran.push_back(1); });
    PostCall(*gone, [&] { ran.push_back(2); });
    PostCall(other, [&] { ran.push_back(3); });
    gone.reset();
    EXPECT_TRUE(ran.empty());
    ProcessPendingMessages();
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
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
