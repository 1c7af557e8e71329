#include "app/main_form.h"
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

class MainFormSettingsTest : public testing::Test {
protected:
    TTempDir dir;
    TCurrentDirectory in{dir.Path()};
    test::TMessageBoxSpy box;
};

TEST_F(MainFormSettingsTest, FirstStartShowsTheDefaultNameAndAnEmptyYear) {
    TMainForm form;
    EXPECT_EQ(form.SchoolNameEdit->text(), QString::fromUtf8("塾名を入れます"));
    EXPECT_EQ(form.YearEdit->text(), QString());
    EXPECT_FALSE(std::filesystem::exists(dir.File("zel.ini")));
}

TEST_F(MainFormSettingsTest, CloseStoresBothFieldsAndTheNextStartShowsThem) {
    {
        TMainForm form;
        form.SchoolNameEdit->setText(QString::fromUtf8("髙橋ゼミナール"));
        form.YearEdit->setText(QStringLiteral("31"));
        EXPECT_TRUE(form.close());
    }
    // Stored as Shift-JIS, the way earlier versions wrote the file.
    EXPECT_EQ(test::ReadAll(dir.File("zel.ini")),
              "[basic]\r\nname=" + cp932::FromUtf8("髙橋ゼミナール") + "\r\nyear=31\r\n");
    TMainForm next;
    EXPECT_EQ(next.SchoolNameEdit->text(), QString::fromUtf8("髙橋ゼミナール"));
    EXPECT_EQ(next.YearEdit->text(), QStringLiteral("31"));
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(MainFormSettingsTest, ClearedFieldsAreStoredEmptyNotDefaulted) {
    {
        TMainForm form;
        form.SchoolNameEdit->clear();
        form.YearEdit->clear();
        EXPECT_TRUE(form.close());
    }
    TMainForm next;
    EXPECT_EQ(next.SchoolNameEdit->text(), QString());
    EXPECT_EQ(next.YearEdit->text(), QString());
    const TIniFile settings = OpenSettings();
    EXPECT_EQ(settings.ReadString(kSectionBasic, kKeyName, "absent"), "");
}

TEST_F(MainFormSettingsTest, AFailedWriteAtCloseKeepsTheWindowOpen) {
    TMainForm form;
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
