#include "app/settings.h"
#include "framework/exceptions.h"
#include "platform/cp932.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zel::app {
namespace {

using test::ReadAll;
using test::TCurrentDirectory;
using test::TTempDir;

TEST(Settings, PathIsTheCurrentDirectoryAtEveryUse) {
    TTempDir first;
    TTempDir second;
    {
        TCurrentDirectory in(first.Path());
        OpenSettings().WriteString(kSectionBasic, kKeyYear, "30");
    }
    {
        TCurrentDirectory in(second.Path());
        EXPECT_EQ(SettingsPath(), std::filesystem::canonical(second.Path()).string() + "/zel.ini");
        EXPECT_EQ(OpenSettings().ReadString(kSectionBasic, kKeyYear, "none"), "none");
    }
    EXPECT_TRUE(std::filesystem::exists(first.File("zel.ini")));
    // No separator check: at the root the separator is doubled.
    TCurrentDirectory in("/");
    EXPECT_EQ(SettingsPath(), "//zel.ini");
}

TEST(Settings, AFailedWriteNamesTheFullPathAndKeepsTheOldFile) {
    if (!test::PermissionsAreEnforced())
        GTEST_SKIP() << "folder permissions are not enforced for any user here";
    TTempDir dir;
    const std::string old = "[basic]\r\nname=old\r\n";
    test::WriteAll(dir.File("zel.ini"), old);
    std::filesystem::permissions(dir.File("zel.ini"), std::filesystem::perms(0644));
    std::filesystem::permissions(dir.Path(), std::filesystem::perms(0555));

    const std::string failure = test::RunUnprivileged([&]() -> std::string {
        TCurrentDirectory in(dir.Path());
        try {
            OpenSettings().WriteString(kSectionBasic, kKeyName, "new");
        } catch (const EFWriteError& e) {
            const std::string expected = std::filesystem::canonical(dir.Path()).string() +
                                         "/zel.ini" + cp932::Sys(" に書き込めません");
            return e.Message() == expected ? "" : "message was: " + e.Message();
        }
        return "the write did not fail";
    });
    EXPECT_EQ(failure, "");
    EXPECT_EQ(ReadAll(dir.File("zel.ini")), old);
}

} // namespace
} // namespace zel::app
