// The cell store under a large paste: 100,000 examinee rows of three short
// texts stored into data rows kept in a sparse list (leaf sizes as a fresh
// grid picks them), then every cell read back.

#include "grid/core/sparse_list.h"
#include "platform/cp932.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>

namespace {

using zel::TOwningSparseList;
using zel::TSPAQuantum;
using zel::TStringSparseList;

constexpr int kColumns = 3;

// Resident set size in bytes, from /proc/self/statm.
std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    std::size_t resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

std::vector<std::string> RowTexts(int row) {
    static const std::string name = zel::cp932::FromUtf8("髙橋　一郎");
    static const std::string venuePrefix = zel::cp932::FromUtf8("本校第");
    static const std::string venueSuffix = zel::cp932::FromUtf8("会場");
    std::string venue = venuePrefix;
    venue.append(1, static_cast<char>('1' + row % 9));
    venue.append(venueSuffix);
    return {std::to_string(100000 + row), name, venue};
}

void Store(TOwningSparseList<TStringSparseList>& data, int rows,
           const std::vector<std::vector<std::string>>& texts) {
    for (int r = 1; r <= rows; ++r) {
        TStringSparseList& row = data.ItemOrCreate(
            r, [] { return std::make_unique<TStringSparseList>(TSPAQuantum::spaSmall); });
        for (int c = 0; c < kColumns; ++c)
            row.SetStrings(c, texts[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)]);
    }
}

std::size_t ReadBack(const TOwningSparseList<TStringSparseList>& data, int rows) {
    std::size_t bytes = 0;
    for (int r = 1; r <= rows; ++r) {
        const TStringSparseList* row = data.Items(r);
        for (int c = 0; c < kColumns; ++c)
            bytes += row ? row->Strings(c).size() : 0;
    }
    return bytes;
}

std::size_t StoreBytes(const TOwningSparseList<TStringSparseList>& data) {
    std::size_t bytes = data.AllocatedBytes();
    data.ForAll([&](int, const TStringSparseList& row) {
        bytes += sizeof(TStringSparseList) + row.AllocatedBytes();
    });
    return bytes;
}

void BM_StoreAndReadRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    std::vector<std::vector<std::string>> texts;
    texts.reserve(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        texts.push_back(RowTexts(r));

    // Resident growth is only meaningful the first time, before the
    // allocator keeps freed memory around for the next iteration.
    static bool measuredResident = false;
    static double residentGrowth = 0;
    std::size_t storeBytes = 0;
    for (auto _ : state) {
        const std::size_t before = ResidentBytes();
        TOwningSparseList<TStringSparseList> data(TSPAQuantum::spaSmall);
        Store(data, rows, texts);
        benchmark::DoNotOptimize(ReadBack(data, rows));
        if (!measuredResident) {
            residentGrowth = static_cast<double>(ResidentBytes() - before);
            measuredResident = true;
        }
        state.PauseTiming();
        storeBytes = StoreBytes(data);
        state.ResumeTiming();
    }
    state.counters["store_MB"] = static_cast<double>(storeBytes) / (1024.0 * 1024.0);
    if (residentGrowth > 0)
        state.counters["rss_growth_MB"] = residentGrowth / (1024.0 * 1024.0);
    state.SetItemsProcessed(state.iterations() * rows * kColumns);
}
BENCHMARK(BM_StoreAndReadRows)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MoveColumnInEveryRow(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    std::vector<std::vector<std::string>> texts;
    for (int r = 0; r < rows; ++r)
        texts.push_back(RowTexts(r));
    TOwningSparseList<TStringSparseList> data(TSPAQuantum::spaSmall);
    Store(data, rows, texts);
    for (auto _ : state)
        data.ForAll([](int, TStringSparseList& row) { row.Move(0, 2); });
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_MoveColumnInEveryRow)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
