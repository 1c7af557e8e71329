// The text work of a large paste: a spreadsheet's worth of examinees
// converted from Unicode, split into lines and each line into fields.

#include "framework/string_list.h"
#include "platform/cp932.h"

#include <benchmark/benchmark.h>

namespace {

std::string ClipboardUtf8(int rows) {
    std::string text;
    for (int i = 0; i < rows; ++i)
        text += std::to_string(100000 + i) + "\t髙橋　一郎\t本校第" + std::to_string(i % 9) +
                "会場\r\n";
    return text;
}

void BM_ConvertFromUnicode(benchmark::State& state) {
    const std::string utf8 = ClipboardUtf8(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zel::cp932::FromUtf8(utf8));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * utf8.size()));
}
BENCHMARK(BM_ConvertFromUnicode)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ConvertToUnicode(benchmark::State& state) {
    const std::string sjis = zel::cp932::FromUtf8(ClipboardUtf8(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(zel::cp932::ToUtf8(sjis));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sjis.size()));
}
BENCHMARK(BM_ConvertToUnicode)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SplitLinesAndFields(benchmark::State& state) {
    const std::string sjis = zel::cp932::FromUtf8(ClipboardUtf8(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        zel::TStringList lines;
        lines.SetText(sjis);
        std::size_t fields = 0;
        for (int i = 0; i < lines.Count(); ++i)
            fields += zel::SplitCommaFields(lines.Strings(i)).size();
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(BM_SplitLinesAndFields)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
