// The look over the tickets that the print button runs before the preview:
// a clean list of 10,000 examinees, so it ends without a message, through
// the same call as the button, on the real report and its font measures.

#include "app/main_form.h"
#include "app/paste.h"
#include "app/ticket_print_check.h"
#include "app/ticket_report.h"
#include "app/ticket_report_grid_examinees.h"
#include "grid/core/string_grid.h"
#include "grid/editor/register_column_editor.h"
#include "platform/cp932.h"
#include "platform/qt/font_faces.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string Examinees(int rows) {
    const char* families[] = {"山田", "佐藤", "髙橋", "鈴木", "渡邊", "伊藤", "中村"};
    const char* givens[] = {"太郎", "花子", "一郎", "美咲", "健太", "さくら", "翔"};
    std::string text;
    for (int i = 0; i < rows; ++i)
        text += std::to_string(100000 + i) + "\t" + families[i % 7] + "　" + givens[(i / 7) % 7] +
                std::to_string(i % 100) + "\t本校第" + std::to_string(i % 9) + "会場\r\n";
    return zel::cp932::FromUtf8(text);
}

void BM_CheckBeforePrint(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    zel::app::TMainForm form;
    zel::app::PasteExaminees(*form.ExamineeGrid, Examinees(rows));
    const zel::app::TGridExaminees examinees(*form.ExamineeGrid);
    zel::app::TTicketReport report(examinees);
    report.SchoolNameLabel->SetCaption(zel::cp932::FromUtf8("ゼルマーク塾"));
    report.ApplyPrintOffsets();
    for (auto _ : state) {
        if (!zel::app::MayPrintTickets(report, examinees))
            state.SkipWithError("the clean list had findings");
    }
}
BENCHMARK(BM_CheckBeforePrint)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zel::platform::InstallFontFaceSubstitutions();
    zel::RegisterColumnEditor();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
