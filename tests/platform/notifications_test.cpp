#include "platform/notifications.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace zel::platform {
namespace {

TEST(Notifications, PostedCallsRunLaterInOrderAndNoneRunsForATargetThatIsGone) {
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
    // A call may release its own target: the rest queued for it is dropped.
    auto self = std::make_unique<TNotificationTarget>();
    PostCall(*self, [&] {
        ran.push_back(4);
        self.reset();
    });
    PostCall(*self, [&] { ran.push_back(5); });
    ProcessPendingMessages();
    EXPECT_EQ(self, nullptr);
    EXPECT_EQ(ran, (std::vector<int>{1, 3, 4}));
}

} // namespace
} // namespace zel::platform
