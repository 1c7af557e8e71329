#include "output/page_stream.h"
#include "platform/file_system.h"
#include "tests/support/error_text.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zel::test {
namespace {

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 256);
    return bytes;
}

std::string Contents(TQRStream& stream) {
    std::string all;
    EXPECT_TRUE(stream.SaveToStream([&](std::string_view block) { all += block; }));
    return all;
}

TEST(PageStream, MovesToAQRPTemporaryFileOneBytePastTheThresholdThatHasNoNameOnDisk) {
    const std::string bytes = Pattern(100001);
    std::string tempName;
    {
        TQRStream stream(100000);
        stream.Write(bytes.substr(0, 60000));
        stream.Write(bytes.substr(60000, 40000));
        EXPECT_TRUE(stream.InMemory() && stream.TempFileName().empty()) << "the threshold fits";
        stream.Write(bytes.substr(100000));
        EXPECT_FALSE(stream.InMemory());
        tempName = stream.TempFileName();
        ASSERT_FALSE(tempName.empty());
        EXPECT_EQ(std::filesystem::path(tempName).filename().string().rfind("QRP", 0), 0u);
        EXPECT_EQ(stream.Position(), 100001) << "where the switching write left it";
        EXPECT_FALSE(platform::FileExists(tempName)) << "nothing for a killed process to leave";
        stream.Write("tail", 4);
        EXPECT_EQ(Contents(stream), bytes + "tail");
    }
    // A write inside the data that spills keeps the writer's position.
    TQRStream stream(10);
    stream.Write("0123456789", 10);
    stream.Seek(4);
    stream.Write("abcdefgh", 8);
    EXPECT_FALSE(stream.InMemory());
    EXPECT_EQ(stream.Position(), 12);
    char next;
    EXPECT_EQ(stream.Read(&next, 1), 0u);
    EXPECT_EQ(Contents(stream), "0123abcdefgh");
}

TEST(PageStream, ReadsSeeksAndCopiesOutInBlocksOf10240BytesTheSameInMemoryAndInAFile) {
    for (std::int32_t threshold : {1 << 20, 1000}) {
        SCOPED_TRACE(threshold);
        TQRStream stream(threshold);
        stream.Write(Pattern(25000));
        std::vector<std::size_t> blocks;
        std::string all;
        EXPECT_TRUE(stream.SaveToStream([&](std::string_view block) {
            blocks.push_back(block.size());
            all += block;
        }));
        EXPECT_EQ(blocks, (std::vector<std::size_t>{10240, 10240, 4520}));
        EXPECT_EQ(all, Pattern(25000));
        EXPECT_EQ(stream.Position(), 25000);

        stream.Seek(24995);
        char buffer[10];
        EXPECT_EQ(stream.Read(buffer, sizeof buffer), 5u);
        EXPECT_EQ(std::string(buffer, 5), Pattern(25000).substr(24995));
        EXPECT_EQ(stream.Read(buffer, sizeof buffer), 0u);
        stream.Seek(-3);
        EXPECT_EQ(stream.Position(), 0);
        stream.Seek(25004);
        stream.Write("z", 1);
        EXPECT_EQ(stream.Size(), 25005);
        stream.Seek(25000);
        EXPECT_EQ(stream.Read(buffer, 5), 5u);
        EXPECT_EQ(std::string(buffer, 5), std::string("\0\0\0\0z", 5));
    }
}

TEST(PageStream, ReadsAFileInPlaceLeavesItBehindAndNamesAFileItCannotOpen) {
    TTempDir dir;
    const std::string path = dir.File("saved.qrp");
    WriteAll(path, "saved bytes");
    {
        auto stream = TQRStream::CreateFromFile(path);
        EXPECT_FALSE(stream->InMemory());
        EXPECT_EQ(std::pair(stream->TempFileName(), stream->FileName()),
                  std::pair(std::string(), path));
        EXPECT_EQ(Contents(*stream), "saved bytes");
        EXPECT_THROW(stream->Write("x", 1), EFWriteError);
    }
    EXPECT_EQ(ReadAll(path), "saved bytes");
    // Another program cuts the file while it is copied out: the copy says so.
    WriteAll(path, std::string(25000, 'x'));
    auto stream = TQRStream::CreateFromFile(path);
    std::size_t copied = 0;
    EXPECT_FALSE(stream->SaveToStream([&](std::string_view block) {
        copied += block.size();
        std::filesystem::resize_file(path, 15000);
    }));
    EXPECT_LT(copied, 25000u);
    EXPECT_EQ(ErrorOf<EFOpenError>([&] { TQRStream::CreateFromFile(dir.File("missing.qrp")); }),
              "ファイル " + dir.File("missing.qrp") + " は開けません");
}

} // namespace
} // namespace zel::test
