// Filling the examinee grid the way a paste does: 100,000 rows of three
// cells through the row views' comma text, then every cell read back. The
// grid is never shown, so this is the store and the views alone.

#include "grid/core/string_grid.h"
#include "grid/core/string_grid_strings.h"
#include "platform/cp932.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "grid_fill_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
}

std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    std::size_t resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

void FillThroughRowsThenReadBack(benchmark::State& state) {
    EnsureApplication();
    const int rows = static_cast<int>(state.range(0));
    const std::string tail = zel::cp932::Sys(",髙橋　一郎,本校第三会場");
    double growth = 0;
    for (auto _ : state) {
        const std::size_t before = ResidentBytes();
        auto grid = std::make_unique<zel::TStringGrid>();
        grid->SetColCount(3);
        grid->SetRowCount(rows + 1);
        for (int r = 1; r <= rows; ++r)
            grid->Rows(r).SetCommaText(std::to_string(100000 + r) + tail);
        std::size_t bytes = 0;
        for (int r = 1; r <= rows; ++r)
            for (int c = 0; c < 3; ++c)
                bytes += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(bytes);
        // Freed memory stays with the allocator, so only the first round
        // shows the growth.
        growth = std::max(growth, static_cast<double>(ResidentBytes() - before));
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.counters["resident_growth_MB"] = growth / (1024.0 * 1024.0);
}
BENCHMARK(FillThroughRowsThenReadBack)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
