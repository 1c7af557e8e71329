#include "framework/exceptions.h"
#include "framework/format.h"
#include "framework/messages.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(Messages, FillPatternsInOrderAndKeepDoubleByteText) {
    const std::string path = cp932::FromUtf8("/home/塾/zel.ini");
    EXPECT_EQ(cp932::ToUtf8(Fmt(msg::kFileWriteError, {path})),
              "/home/塾/zel.ini に書き込めません");
    EXPECT_EQ(cp932::ToUtf8(Fmt(msg::kFileCreateError, {"b.qrp"})),
              "ファイル b.qrp を作成できません");
    EXPECT_EQ(cp932::ToUtf8(Fmt(msg::kListIndexError, {std::int64_t{-5}})),
              "リストのインデックスが範囲を超えています (-5)");
    // A "%" that is not a directive, or has no argument left, stays as it is.
    EXPECT_EQ(Fmt("100% %d %s", {std::int64_t{1}}), "100% 1 %s");
}

} // namespace
} // namespace zel
