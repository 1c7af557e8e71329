#include "framework/exceptions.h"
#include "output/page_list.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

#include <string>
#include <vector>

namespace zel {
namespace {

using test::ReadAll;
using test::TTempDir;
using test::WriteAll;

const std::vector<std::string> kPages = {"first ABAB", "", "3rd \x01\x02\x03"};

std::string SavedReport(const TTempDir& dir, bool compression) {
    TQRPageList list;
    list.SetCompression(compression);
    for (const std::string& page : kPages)
        list.AddPage(page);
    list.Finish();
    list.SaveToFile(dir.File("report.qrp"));
    return ReadAll(dir.File("report.qrp"));
}

// Loading either succeeds, and then every page comes back or raises the
// corrupt-file error, or it raises that error itself. Nothing else.
enum class TOutcome { Refused, Loaded, LoadedIntact };

TOutcome LoadEveryPage(const std::string& path) {
    TQRPageList list;
    try {
        list.LoadFromFile(path);
    } catch (const EFileError&) {
        return TOutcome::Refused;
    }
    bool intact = list.PageCount() == static_cast<int>(kPages.size());
    // Both walking orders, since a damaged link may only show in one.
    for (int n : {1, 2, 3, 3, 2, 1, 3, 1}) {
        try {
            const auto page = list.GetPage(n);
            intact = intact && page && *page == kPages[static_cast<std::size_t>(n - 1)];
        } catch (const EFileError&) {
            intact = false;
        }
    }
    return intact ? TOutcome::LoadedIntact : TOutcome::Loaded;
}

class SavedReportDamage : public testing::TestWithParam<bool> {};

TEST_P(SavedReportDamage, EverySingleByteChangeLoadsOrIsRefused) {
    TTempDir dir;
    const std::string original = SavedReport(dir, GetParam());
    ASSERT_EQ(LoadEveryPage(dir.File("report.qrp")), TOutcome::LoadedIntact);
    const std::string path = dir.File("changed.qrp");
    WriteAll(path, original);
    // One byte rewritten in place each time: far cheaper than a new file.
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    ASSERT_TRUE(file);
    const auto put = [&](std::size_t offset, char value) {
        file.seekp(static_cast<std::streamoff>(offset));
        file.put(value);
        file.flush();
    };
    int refused = 0;
    for (std::size_t offset = 0; offset < original.size(); ++offset) {
        for (int value = 0; value < 256; ++value) {
            if (static_cast<unsigned char>(original[offset]) == value)
                continue;
            put(offset, static_cast<char>(value));
            const TOutcome outcome = LoadEveryPage(path);
            refused += outcome == TOutcome::Refused;
            // The date and the reserved header bytes are not read.
            if ((offset >= 4 && offset < 8) || (offset >= 12 && offset < 25) ||
                (offset >= 26 && offset < 128)) {
                ASSERT_EQ(outcome, TOutcome::LoadedIntact) << offset << " = " << value;
            }
        }
        put(offset, original[offset]);
    }
    ASSERT_EQ(ReadAll(path), original);
    EXPECT_GT(refused, 0);
}

TEST_P(SavedReportDamage, EveryTruncationIsRefused) {
    TTempDir dir;
    const std::string original = SavedReport(dir, GetParam());
    const std::string path = dir.File("short.qrp");
    for (std::size_t length = 0; length < original.size(); ++length) {
        WriteAll(path, original.substr(0, length));
        EXPECT_EQ(LoadEveryPage(path), TOutcome::Refused) << length;
    }
}

INSTANTIATE_TEST_SUITE_P(PageList, SavedReportDamage, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Compressed" : "Plain"; });

} // namespace
} // namespace zel
