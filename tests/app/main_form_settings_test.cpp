#include "app/settings.h"
#include "tests/app/app_test_fixture.h"

#include <filesystem>

namespace zel::app {
namespace {

using MainFormSettingsTest = test::TMainFormTest;

TEST_F(MainFormSettingsTest, CloseStoresBothFieldsAsTheyAreAndTheNextStartShowsThem) {
    // Cleared fields are stored empty and come back empty, not defaulted.
    const struct { const char *name, *year; } cases[] = {{"髙橋ゼミナール", "31"}, {"", ""}};
    for (const auto& c : cases) {
        {
            TMainForm closing;
            closing.SchoolNameEdit->setText(QString::fromUtf8(c.name));
            closing.YearEdit->setText(QString::fromUtf8(c.year));
            EXPECT_TRUE(closing.close());
        }
        // Shift-JIS, the way earlier versions wrote the file.
        EXPECT_EQ(test::ReadAll(dir.File("zel.ini")),
                  "[basic]\r\nname=" + cp932::FromUtf8(c.name) + "\r\nyear=" + c.year + "\r\n");
        TMainForm next;
        EXPECT_EQ(next.SchoolNameEdit->text(), QString::fromUtf8(c.name));
        EXPECT_EQ(next.YearEdit->text(), QString::fromUtf8(c.year));
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(MainFormSettingsTest, AUTF8FileShowsItsTextAndWhatCouldNotBeReadIsNotWrittenBack) {
    test::WriteAll(dir.File("zel.ini"), "[basic]\nname=𠮷田ゼミナール\nyear=６\n");
    {
        TMainForm editing;
        EXPECT_EQ(editing.SchoolNameEdit->text(), QString::fromUtf8("?田ゼミナール"));
        EXPECT_EQ(editing.YearEdit->text(), QString::fromUtf8("６"));
        EXPECT_TRUE(editing.close());
    }
    EXPECT_EQ(test::ReadAll(dir.File("zel.ini")), "[basic]\r\nname=𠮷田ゼミナール\r\nyear=６\r\n");
    // A name typed anew is stored, in the file's own encoding.
    {
        TMainForm editing;
        editing.SchoolNameEdit->setText(QString::fromUtf8("吉田ゼミナール"));
        EXPECT_TRUE(editing.close());
    }
    EXPECT_EQ(test::ReadAll(dir.File("zel.ini")),
              "[basic]\r\nname=" + cp932::FromUtf8("吉田ゼミナール") +
                  "\r\nyear=" + cp932::FromUtf8("６") + "\r\n");
}

// A folder named zel.ini cannot be replaced, even by root. The operator is
// asked whether to close without saving: no keeps the window, yes closes.
TEST_F(MainFormSettingsTest, AFailedWriteAtCloseAsksWhetherToCloseWithoutSaving) {
    form.show();
    std::filesystem::create_directory(dir.File("zel.ini"));
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].buttons, TMsgDlgButtons::mbYesNo);
    EXPECT_EQ(box.shown[0].text,
              SettingsPath() + cp932::Sys(" に書き込めません.\n保存せずに閉じますか？"));
    box.answer = true;
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("zel.ini")));
}

} // namespace
} // namespace zel::app
