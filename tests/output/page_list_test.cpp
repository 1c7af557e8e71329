#include "output/file_date.h"
#include "output/page_list.h"
#include "tests/support/error_text.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace zel::test {
namespace {

std::string Le32(std::uint32_t v) {
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

std::string PageBytes(int number, std::size_t size = 300) {
    std::string page = "page " + std::to_string(number) + ":";
    while (page.size() < size)
        page += static_cast<char>(number * 13 + static_cast<int>(page.size()) % 50);
    return page;
}

// Saves a finished run of `count` pages to `path`; the first page may be given.
void SaveRun(const std::string& path, int count, bool compression = false, std::size_t size = 300,
             std::string first = {}) {
    TQRPageList list;
    list.SetCompression(compression);
    list.AddPage(first.empty() ? PageBytes(1, size) : first);
    for (int i = 2; i <= count; ++i)
        list.AddPage(PageBytes(i, size));
    list.Finish();
    list.SaveToFile(path);
}

std::string StreamBytes(TQRPageList& list) {
    std::string bytes;
    EXPECT_TRUE(list.Stream()->SaveToStream([&](std::string_view b) { bytes += b; }));
    return bytes;
}

TEST(FileDate, CountsDaysFrom30December1899) {
    EXPECT_DOUBLE_EQ(EncodeFileDate(1899, 12, 30, 0, 0, 0), 0);
    EXPECT_DOUBLE_EQ(EncodeFileDate(1900, 1, 1, 18, 0, 0), 2.75);
    EXPECT_DOUBLE_EQ(EncodeFileDate(1899, 12, 29, 6, 0, 0), -1.25);
    EXPECT_GT(FileDateNow(), EncodeFileDate(2024, 1, 1, 0, 0, 0));
}

TEST(PageList, ASavedOnePageRunHasTheExactLayout) {
    TTempDir dir;
    TQRPageList list;
    list.SetClock([] { return 45000.5; });
    list.AddPage("abc");
    list.Finish();
    const std::string path = dir.File("one.qrp");
    list.SaveToFile(path);

    std::string expected(128, '\0');
    expected[0] = 3;
    expected[2] = static_cast<char>(305 & 0xFF);
    expected[3] = static_cast<char>(305 >> 8);
    expected[8] = 1;
    const double date = 45000.5;
    std::memcpy(expected.data() + 16, &date, 8);
    expected += Le32(1) + Le32(143) + "abc" + Le32(128);

    EXPECT_EQ(ReadAll(path), expected);
}

TEST(PageList, TheHeaderCarriesTheFinalCountOnlyAfterFinish) {
    static constexpr double kTwo = 2.0;
    TQRPageList list;
    list.SetClock([] { return 1.0; });
    for (int i = 1; i <= 3; ++i)
        list.AddPage(PageBytes(i));
    EXPECT_EQ(StreamBytes(list).substr(8, 4), Le32(1)) << "written with the first page";
    list.SetClock([] { return 2.0; });
    list.Finish();
    const std::string bytes = StreamBytes(list);
    EXPECT_EQ(bytes.substr(8, 4), Le32(3));
    EXPECT_EQ(bytes.substr(16, 8), std::string(reinterpret_cast<const char*>(&kTwo), 8));
}

TEST(PageList, PagingByOneCostsAtMostTwoHopsInAThousandPages) {
    TQRPageList list;
    for (int i = 1; i <= 1000; ++i)
        list.AddPage(PageBytes(i, 200 + static_cast<std::size_t>(i % 40)));
    EXPECT_FALSE(list.Stream()->InMemory());
    int worst = 0;
    for (int n = 2; n < 1000; ++n) {
        ASSERT_EQ(list.GetPage(n), PageBytes(n, 200 + static_cast<std::size_t>(n % 40)));
        ASSERT_TRUE(list.GetPage(n + 1));
        worst = std::max(worst, list.LastSeekHops());
        ASSERT_TRUE(list.GetPage(n));
        worst = std::max(worst, list.LastSeekHops());
        ASSERT_TRUE(list.GetPage(n - 1));
        worst = std::max(worst, list.LastSeekHops());
    }
    EXPECT_LE(worst, 2);
    list.GetPage(500);
    list.GetPage(1000);
    EXPECT_EQ(list.LastSeekHops(), 1) << "the last page is one jump from the end";
}

TEST(PageList, PagesComeBackWhileRecordingGoesOn) {
    TQRPageList list;
    list.AddPage(PageBytes(1));
    list.AddPage(PageBytes(2));
    EXPECT_EQ(list.GetPage(1), PageBytes(1));
    list.AddPage(PageBytes(3)); // appended at the end, wherever the reader left off
    EXPECT_EQ(list.GetPage(2), PageBytes(2));
    EXPECT_EQ(list.GetPage(3), PageBytes(3));
    for (int outside : {4, 0})
        EXPECT_FALSE(list.GetPage(outside)) << outside;
    EXPECT_EQ(list.GetPage(2), PageBytes(2)) << "a page outside moves nothing";
}

TEST(PageList, CompressedPagesKeepTheirLengthInFrontOfTheBits) {
    TQRPageList list;
    list.SetCompression(true);
    list.SetClock([] { return 0.0; });
    list.AddPage(std::string("\x00\x00\x01", 3));
    list.AddPage("");
    const std::string bytes = StreamBytes(list);
    EXPECT_EQ(bytes[25], 1);
    EXPECT_EQ(bytes.substr(128), Le32(1) + Le32(147) + Le32(3) + std::string("\x80\xAF\x00", 3) +
                                     Le32(128) + Le32(2) + Le32(163) + Le32(0) + Le32(147));
    EXPECT_EQ(list.GetPage(2), "");
    EXPECT_EQ(list.GetPage(1), std::string("\x00\x00\x01", 3));
}

TEST(PageList, ALoadedCompressedFileExpandsItsPagesAndSavesToTheSameBytes) {
    TTempDir dir;
    const std::string path = dir.File("packed.qrp");
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.push_back(static_cast<char>(b));
    SaveRun(path, 40, true, 4000, everyByte);
    const std::string saved = ReadAll(path);
    TQRPageList loaded;
    loaded.LoadFromFile(path);
    EXPECT_TRUE(loaded.Compression());
    EXPECT_EQ(loaded.PageCount(), 40);
    EXPECT_EQ(loaded.GetPage(1), everyByte);
    EXPECT_EQ(loaded.GetPage(40), PageBytes(40, 4000));
    EXPECT_EQ(saved.size(), static_cast<std::size_t>(loaded.Stream()->Size()));
    loaded.SaveToFile(dir.File("b.qrp"));
    EXPECT_EQ(ReadAll(dir.File("b.qrp")), saved);
    loaded.SaveToFile(path); // over the file it reads from
    EXPECT_EQ(ReadAll(path), saved);
}

TEST(PageList, NoPagesLoadEmptyAFailedLoadKeepsThePagesAndAReleasedStreamServesNothing) {
    TTempDir dir;
    TQRPageList list;
    list.Finish();
    list.SaveToFile(dir.File("empty.qrp"));
    TQRPageList loaded;
    loaded.LoadFromFile(dir.File("empty.qrp"));
    EXPECT_EQ(loaded.PageCount(), 0);
    EXPECT_FALSE(loaded.GetPage(1));

    TQRPageList released(nullptr);
    EXPECT_FALSE(released.GetPage(1));
    released.SaveToFile(dir.File("none.qrp"));
    EXPECT_EQ(ReadAll(dir.File("none.qrp")), "");
    released.AddPage("abc");
    EXPECT_EQ(released.GetPage(1), "abc");
    // A failed load keeps the pages the list had.
    TQRPageList kept;
    kept.AddPage(PageBytes(1));
    WriteAll(dir.File("short.qrp"), "QRP");
    EXPECT_THROW(kept.LoadFromFile(dir.File("short.qrp")), EFileError);
    EXPECT_THROW(kept.LoadFromFile(dir.File("missing.qrp")), EFOpenError);
    EXPECT_EQ(kept.GetPage(1), PageBytes(1));
}

TEST(PageList, ADamagedFileIsRefusedWithTheCorruptFileError) {
    // Three 300-byte pages: records at 128, 440, 752; the file is 1064 long.
    const struct {
        const char* what;
        std::size_t offset;
        std::int32_t value;
    } cases[] = {
        {"wrong format", 0, 4},
        {"negative page count", 8, -1},
        {"too many pages", 8, 4},
        {"huge page count", 8, 0x7FFFFFFF},
        {"too few pages", 8, 2},
        {"second record numbered one again", 440, 1},
        {"next link points backwards", 444, 128},
        {"next link past the end", 444, 5000},
        {"next link into the middle", 444, 700},
        {"back link wrong", 748, 129},
        {"last four bytes wrong", 1060, 440},
    };
    TTempDir dir;
    const std::string path = dir.File("damaged.qrp");
    SaveRun(path, 3);
    const std::string good = ReadAll(path);
    ASSERT_EQ(good.size(), 1064u);
    for (const auto& c : cases) {
        WriteAll(path, std::string(good).replace(c.offset, 4, Le32(c.value)));
        TQRPageList loaded;
        EXPECT_EQ(ErrorOf<EFileError>([&] { loaded.LoadFromFile(path); }),
                  "ファイル " + path + " は壊れています")
            << c.what;
    }
    // An impossible compressed length is refused before allocating.
    SaveRun(path, 1, true);
    WriteAll(path, ReadAll(path).replace(136, 4, Le32(0x7FFFFFFF)));
    TQRPageList loaded;
    EXPECT_THROW(loaded.LoadFromFile(path), EFileError);
}

TEST(PageList, AFileDamagedAfterLoadingRaisesOnReading) {
    TTempDir dir;
    const std::string path = dir.File("changing.qrp");
    SaveRun(path, 5);
    TQRPageList loaded;
    loaded.LoadFromFile(path);
    // Another program may write the file it is read from: cut it short.
    std::filesystem::resize_file(path, 600);
    EXPECT_THROW(loaded.GetPage(5), EFileError);
    EXPECT_EQ(loaded.GetPage(1), PageBytes(1));
}

TEST(PageList, AFailedSaveLeavesTheOldFileAsItWas) {
    if (!PermissionsAreEnforced())
        GTEST_SKIP() << "folder permissions are not enforced here";
    TTempDir dir;
    const std::string path = dir.File("kept.qrp");
    WriteAll(path, "the old report");
    std::filesystem::permissions(
        dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                        std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    const std::string result = RunUnprivileged([&] {
        TQRPageList list;
        list.AddPage(PageBytes(1));
        return ErrorOf<EFCreateError>([&] { list.SaveToFile(path); });
    });
    EXPECT_EQ(result, "ファイル " + path + " を作成できません");
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadAll(path), "the old report");
}

} // namespace
} // namespace zel::test
