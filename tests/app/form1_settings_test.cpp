#include "app/form1.h"
#include "app/settings.h"
#include "platform/cp932.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/temp_dir.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <filesystem>

namespace zel::app {
namespace {

using test::TCurrentDirectory;
using test::TTempDir;

class Form1SettingsTest : public testing::Test {
protected:
    TTempDir dir;
    TCurrentDirectory in{dir.Path()};
    test::TMessageBoxSpy box;
};

TEST_F(Form1SettingsTest, FirstStartShowsTheDefaultNameAndAnEmptyYear) {
    TForm1 form;
    EXPECT_EQ(form.Edit1->text(), QString::fromUtf8("塾名を入れます"));
    EXPECT_EQ(form.Edit2->text(), QString());
    EXPECT_FALSE(std::filesystem::exists(dir.File("zel.ini")));
}

TEST_F(Form1SettingsTest, CloseStoresBothFieldsAndTheNextStartShowsThem) {
    {
        TForm1 form;
        form.Edit1->setText(QString::fromUtf8("髙橋ゼミナール"));
        form.Edit2->setText(QStringLiteral("31"));
        EXPECT_TRUE(form.close());
    }
    // Stored as Shift-JIS, the way earlier versions wrote the file.
    EXPECT_EQ(test::ReadAll(dir.File("zel.ini")),
              "[basic]\r\nname=" + cp932::FromUtf8("髙橋ゼミナール") + "\r\nyear=31\r\n");
    TForm1 next;
    EXPECT_EQ(next.Edit1->text(), QString::fromUtf8("髙橋ゼミナール"));
    EXPECT_EQ(next.Edit2->text(), QStringLiteral("31"));
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(Form1SettingsTest, ClearedFieldsAreStoredEmptyNotDefaulted) {
    {
        TForm1 form;
        form.Edit1->clear();
        form.Edit2->clear();
        EXPECT_TRUE(form.close());
    }
    TForm1 next;
    EXPECT_EQ(next.Edit1->text(), QString());
    EXPECT_EQ(next.Edit2->text(), QString());
    const TIniFile settings = OpenSettings();
    EXPECT_EQ(settings.ReadString(kSectionBasic, kKeyName, "absent"), "");
}

TEST_F(Form1SettingsTest, AFailedWriteAtCloseKeepsTheWindowOpen) {
    TForm1 form;
    form.show();
    std::filesystem::create_directory(dir.File("zel.ini")); // cannot be replaced
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, SettingsPath() + cp932::Sys(" に書き込めません."));
    std::filesystem::remove(dir.File("zel.ini"));
    EXPECT_TRUE(form.close());
}

} // namespace
} // namespace zel::app
