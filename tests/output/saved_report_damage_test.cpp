#include "framework/exceptions.h"
#include "output/page_list.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zel::test {
namespace {

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

// Every truncation is refused. Any change may be refused too; one in the
// date or the reserved header bytes, which are never read, must not be.
// Arbitrary damage is the saved-report fuzz target's to try.
TEST_P(SavedReportDamage, TruncationsAreRefusedAndBytesNeverReadChangeNothing) {
    TTempDir dir;
    const std::string original = SavedReport(dir, GetParam());
    ASSERT_EQ(LoadEveryPage(dir.File("report.qrp")), TOutcome::LoadedIntact);
    const std::string path = dir.File("changed.qrp");
    for (std::size_t length = 0; length < original.size(); ++length) {
        WriteAll(path, original.substr(0, length));
        EXPECT_EQ(LoadEveryPage(path), TOutcome::Refused) << length;
    }
    for (std::size_t offset = 4; offset < 128; ++offset) {
        if ((offset >= 8 && offset < 12) || offset == 25)
            continue;
        for (const int value : {0x00, 0x01, 0x7F, 0xFF}) {
            std::string changed = original;
            changed[offset] = static_cast<char>(value);
            WriteAll(path, changed);
            EXPECT_EQ(LoadEveryPage(path), TOutcome::LoadedIntact) << offset << " = " << value;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PageList, SavedReportDamage, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Compressed" : "Plain"; });

} // namespace
} // namespace zel::test
