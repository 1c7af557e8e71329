#include "app/settings.h"
#include "tests/support/error_text.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zel::app {
namespace {

TEST(Settings, PathIsTheCurrentDirectoryAtEveryUse) {
    test::TTempDir first, second;
    {
        test::TCurrentDirectory in(first.Path());
        OpenSettings().WriteString(kSectionBasic, kKeyYear, "30");
    }
    {
        test::TCurrentDirectory in(second.Path());
        EXPECT_EQ(SettingsPath(), std::filesystem::canonical(second.Path()).string() + "/zel.ini");
        EXPECT_EQ(OpenSettings().ReadString(kSectionBasic, kKeyYear, "none"), "none");
    }
    EXPECT_TRUE(std::filesystem::exists(first.File("zel.ini")));
    // No separator check: at the root the separator is doubled.
    test::TCurrentDirectory in("/");
    EXPECT_EQ(SettingsPath(), "//zel.ini");
}

// In a folder that takes no new file, a file the user may write is written
// in place; one it may not write keeps its contents and the error names it.
// Run as an ordinary user: root ignores file modes.
TEST(Settings, InAReadOnlyFolderAWritableFileIsWrittenInPlace) {
    if (!test::PermissionsAreEnforced())
        GTEST_SKIP() << "folder permissions are not enforced for any user here";
    const std::string old = "[basic]\r\nname=old\r\n";
    const struct {
        std::filesystem::perms fileMode;
        bool written;
    } cases[] = {{std::filesystem::perms(0666), true}, {std::filesystem::perms(0644), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written ? "writable file" : "read-only file");
        test::TTempDir dir;
        test::WriteAll(dir.File("zel.ini"), old);
        std::filesystem::permissions(dir.File("zel.ini"), c.fileMode);
        std::filesystem::permissions(dir.Path(), std::filesystem::perms(0555));
        const std::string failure = test::RunUnprivileged([&] {
            test::TCurrentDirectory in(dir.Path());
            return test::ErrorOf<EFWriteError>(
                [] { OpenSettings().WriteString(kSectionBasic, kKeyName, "new"); });
        });
        EXPECT_EQ(failure, c.written ? ""
                                     : std::filesystem::canonical(dir.Path()).string() +
                                           "/zel.ini に書き込めません");
        EXPECT_EQ(test::ReadAll(dir.File("zel.ini")), c.written ? "[basic]\r\nname=new\r\n" : old);
        std::filesystem::permissions(dir.Path(), std::filesystem::perms(0755));
    }
}

} // namespace
} // namespace zel::app
