// Painting one screenful of the examinee grid: a list of 100,000 rows
// scrolled to the middle should cost about what a 10-row list costs, since
// only the rows on screen are visited. The window is ten rows high, so both
// paint the same number of cells.

#include "grid/core/string_grid.h"
#include "platform/cp932.h"
#include "platform/qt/font_faces.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "grid_paint_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        zel::platform::InstallFontFaceSubstitutions();
        return a;
    }();
    return *app;
}

std::unique_ptr<zel::TStringGrid> MakeGrid(int rows) {
    App();
    auto grid = std::make_unique<zel::TStringGrid>();
    grid->setFont(zel::platform::MakeFont(zel::cp932::Sys("ＭＳ Ｐゴシック"), -12));
    grid->SetColCount(3);
    grid->SetRowCount(rows);
    grid->SetFixedCols(0);
    grid->SetDefaultRowHeight(17);
    const std::string venue = zel::cp932::Sys("本校第三会場");
    const std::string name = zel::cp932::Sys("髙橋　一郎");
    for (int r = 1; r < rows; ++r) {
        grid->SetCells(0, r, std::to_string(100000 + r));
        grid->SetCells(1, r, name);
        grid->SetCells(2, r, venue);
    }
    grid->resize(285, 10 * 18 + 4); // ten rows and their lines inside the frame
    grid->show();
    QApplication::processEvents();
    if (rows > 10)
        grid->SetTopRow(rows / 2);
    return grid;
}

void PaintScreenful(benchmark::State& state) {
    const auto grid = MakeGrid(static_cast<int>(state.range(0)));
    QImage image(grid->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid->viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows_shown"] = grid->VisibleRowCount();
}
BENCHMARK(PaintScreenful)->Arg(10)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
