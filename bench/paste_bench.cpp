// The paste button's whole path for a long examinee list: the clipboard's
// text converted, split and laid into the grid by the button's handler,
// timed as the operator waits for it, with what the process grows by.

#include "app/main_form.h"
#include "bench/resident_memory.h"
#include "grid/core/string_grid.h"
#include "grid/editor/register_column_editor.h"

#include <QApplication>
#include <QClipboard>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

using zel::bench::ResidentKB;

QString Examinees(int rows) {
    QString text;
    for (int i = 0; i < rows; ++i)
        text += QString::number(100000 + i) + QString::fromUtf8("\t髙橋　一郎\t本校第") +
                QString::number(i % 9) + QString::fromUtf8("会場\r\n");
    return text;
}

void BM_PasteButton(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    QGuiApplication::clipboard()->setText(Examinees(rows));
    long growthKB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A fresh window each round: the first paste into a grid is the one
        // that builds its rows.
        auto form = std::make_unique<zel::app::TMainForm>();
        const long before = ResidentKB();
        state.ResumeTiming();
        form->PasteButtonClick();
        state.PauseTiming();
        growthKB = std::max(growthKB, ResidentKB() - before);
        if (form->ExamineeGrid->RowCount() != rows + 1)
            state.SkipWithError("the grid did not get every row");
        form.reset();
        state.ResumeTiming();
    }
    state.counters["resident_growth_MB"] = static_cast<double>(growthKB) / 1024.0;
}
BENCHMARK(BM_PasteButton)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zel::RegisterColumnEditor();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
