#include "platform/clipboard.h"
#include "platform/cp932.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace zel::platform {
namespace {

TEST(Clipboard, TextComesBackAsCodePage932AndNoTextAsEmpty) {
    const std::string sjis = cp932::FromUtf8("12345\t髙橋　一郎\t本校\r\n");
    ASSERT_TRUE(SetClipboardText(sjis));
    EXPECT_EQ(ClipboardText(), sjis);
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(ClipboardText(), std::string());
}

} // namespace
} // namespace zel::platform
