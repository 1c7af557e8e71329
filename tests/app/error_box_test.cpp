#include "app/application.h"
#include "app/error_box.h"
#include "framework/exceptions.h"
#include "platform/cp932.h"
#include "tests/support/message_box_spy.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace zel::app {
namespace {

class ErrorBoxTest : public testing::Test {
protected:
    test::TMessageBoxSpy box;
};

TEST_F(ErrorBoxTest, AHandlerErrorOfAnyKindIsShownWithTitleAndAPeriodWhereItSortsAbove) {
    EXPECT_EQ(ErrorBoxText("Bad file"), "Bad file.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("Why?"), "Why?.");  // '?' sorts above '.'
    EXPECT_EQ(ErrorBoxText("Oops!"), "Oops!"); // '!' sorts below '.'
    EXPECT_EQ(ErrorBoxText(""), "");
    const std::string japanese = cp932::Sys("書き込めません");
    EXPECT_EQ(ErrorBoxText(japanese), japanese + ".");
    EXPECT_EQ(ErrorBoxText(cp932::Sys("(0)")), cp932::Sys("(0)"));
    EXPECT_FALSE(RunHandler([] { RaiseListIndexError(0); }));
    RunHandler([] { throw std::runtime_error("disk full"); });
    RunHandler([] { throw 42; });
    EXPECT_TRUE(RunHandler([] {}));
    ASSERT_EQ(box.shown.size(), 3u);
    EXPECT_EQ(box.shown[0].caption, "Zelmark");
    EXPECT_EQ(box.shown[0].type, TMsgDlgType::mtError);
    EXPECT_EQ(cp932::ToUtf8(box.shown[0].text), "リストのインデックスが範囲を超えています (0)");
    EXPECT_EQ(box.shown[1].text, "disk full.");
    EXPECT_EQ(cp932::ToUtf8(box.shown[2].text), "不明なエラーが発生しました.");
}

TEST_F(ErrorBoxTest, AnExceptionEscapingAnEventIsShownAndTheLoopGoesOn) {
    bool laterEventRan = false;
    QTimer::singleShot(0, [] { throw Exception("first"); });
    QTimer::singleShot(0, [&] { laterEventRan = true; });
    for (int i = 0; i < 10 && !laterEventRan; ++i)
        QCoreApplication::processEvents();
    EXPECT_TRUE(laterEventRan);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "first.");
}

} // namespace
} // namespace zel::app
