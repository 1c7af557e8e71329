#include "platform/file_system.h"
#include "platform/random_access_file.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace zel::platform {
namespace {

TEST(TempFiles, AreMadeWithThePrefixAndLeaveNoNameBehindWhileTheyWork) {
    std::string firstName, secondName;
    const auto first = TRandomAccessFile::CreateTemporary("QRP", firstName);
    const auto second = TRandomAccessFile::CreateTemporary("QRP", secondName);
    ASSERT_TRUE(first && second);
    EXPECT_NE(firstName, secondName);
    for (const std::string& path : {firstName, secondName}) {
        EXPECT_EQ(path.rfind(TempDirectory(), 0), 0u) << path;
        EXPECT_EQ(std::filesystem::path(path).filename().string().rfind("QRP", 0), 0u);
        EXPECT_FALSE(std::filesystem::exists(path)) << "a killed process would leave it";
    }
    ASSERT_TRUE(first->Write("pages", 5));
    ASSERT_TRUE(first->Seek(1));
    char read[4];
    EXPECT_EQ(first->Read(read, sizeof read), 4u);
    EXPECT_EQ(std::string(read, 4), "ages");
    EXPECT_EQ(second->Size(), 0);
}

TEST(FileSystem, WritesReplaceOnlyOnCommitFilesComeWholeAndTheRootKeepsItsSeparator) {
    test::TTempDir dir;
    const std::string path = dir.File("report.qrp");
    test::WriteAll(path, "old");
    {
        TSafeFileWriter writer(path);
        ASSERT_TRUE(writer.Open());
        ASSERT_TRUE(writer.Write(std::string_view("new contents")));
        EXPECT_EQ(test::ReadAll(path), "old"); // nothing visible before the commit
    }
    EXPECT_EQ(test::ReadAll(path), "old"); // dropped without commit: old file stays
    EXPECT_TRUE(ReplaceFileContents(path, "new"));
    EXPECT_EQ(test::ReadAll(path), "new");
    std::filesystem::create_directory(dir.File("zel.ini"));
    EXPECT_FALSE(ReplaceFileContents(dir.File("zel.ini"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("zel.ini")));
    // A pipe (or a device) is not replaced by a file.
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(TSafeFileWriter(dir.File("pipe")).Open());
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe")));
    std::filesystem::remove(dir.File("pipe"));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              2);
    {
        test::TCurrentDirectory in(dir.Path());
        EXPECT_EQ(CurrentDirectory(), std::filesystem::canonical(dir.Path()).string());
    }
    {
        test::TCurrentDirectory in("/");
        EXPECT_EQ(CurrentDirectory(), "/");
    }
    test::WriteAll(dir.File("a"), std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadFileBytes(dir.File("a")), std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadFileBytes(dir.File("none")), std::nullopt);
}

} // namespace
} // namespace zel::platform
