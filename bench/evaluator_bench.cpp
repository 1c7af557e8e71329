// Report expressions: compiling once and evaluating per record, which is
// what a report does for every printed field.
#include "report/expressions/evaluator.h"
#include "report/expressions/evaluator_environment.h"

#include <benchmark/benchmark.h>

namespace {

constexpr const char* kExpression =
    "IF([PAGENUMBER] > 1, 'Page ' + STR([PAGENUMBER]), COPY('abc', 1, 2))";

void BM_Prepare(benchmark::State& state) {
    zel::TQREvEnvironment env;
    env.AddFunction("PAGENUMBER", "3");
    env.Prepare();
    for (auto _ : state) {
        zel::TQREvaluator evaluator;
        evaluator.SetEnvironment(&env);
        evaluator.Prepare(kExpression);
        benchmark::DoNotOptimize(evaluator.FiFo().Count());
    }
    env.Unprepare();
}
BENCHMARK(BM_Prepare);

void BM_Value(benchmark::State& state) {
    zel::TQREvEnvironment env;
    env.AddFunction("PAGENUMBER", "3");
    env.Prepare();
    zel::TQREvaluator evaluator;
    evaluator.SetEnvironment(&env);
    evaluator.Prepare(kExpression);
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluator.Value());
    evaluator.Unprepare();
    env.Unprepare();
}
BENCHMARK(BM_Value);

// Far past the nesting limit: how long refusing a hostile text takes.
void BM_RefuseDeepNesting(benchmark::State& state) {
    const std::string text = std::string(20000, '(') + "1" + std::string(20000, ')');
    for (auto _ : state) {
        zel::TQREvaluator evaluator;
        evaluator.Prepare(text);
        benchmark::DoNotOptimize(evaluator.Value());
    }
}
BENCHMARK(BM_RefuseDeepNesting);

} // namespace
