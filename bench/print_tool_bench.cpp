// zelmark-print as a whole process, the way a script runs it: a list file
// of N examinees to a PDF, or to the CUPS queue ZELMARK_BENCH_QUEUE names
// (timed until the queue has taken the job). Wall time and the process's
// peak resident memory, for lists of 1,000 and 10,000 tickets.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string WriteList(const std::filesystem::path& folder, int count) {
    const std::filesystem::path path = folder / ("list-" + std::to_string(count) + ".txt");
    std::ofstream list(path);
    for (int i = 1; i <= count; ++i)
        list << 200000 + i << "\t山田　" << i << "\t駅前校\n";
    return path.string();
}

// Runs the tool with `output` (--pdf or --printer) and gives its peak
// resident memory in kilobytes, or -1.
long RunTool(const std::string& list, const char* output, const std::string& target) {
    const pid_t child = fork();
    if (child == 0) {
        execl(ZELMARK_PRINT_PATH, "zelmark-print", list.c_str(), "--term", "夏期", "--school",
              "ベンチ塾", "--year", "8", output, target.c_str(), "--quiet",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

void BM_ListToPdfProcess(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zelmark-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string list = WriteList(folder, static_cast<int>(state.range(0)));
    const std::string pdf = (folder / "tickets.pdf").string();
    long peakKB = 0;
    for (auto _ : state) {
        peakKB = RunTool(list, "--pdf", pdf);
        if (peakKB < 0) {
            state.SkipWithError("zelmark-print failed");
            break;
        }
    }
    state.counters["peak_MB"] = static_cast<double>(peakKB) / 1024.0;
    if (std::filesystem::exists(pdf))
        state.counters["pdf_MB"] =
            static_cast<double>(std::filesystem::file_size(pdf)) / (1024.0 * 1024.0);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ListToPdfProcess)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void BM_ListToQueueProcess(benchmark::State& state) {
    const char* queue = std::getenv("ZELMARK_BENCH_QUEUE");
    if (!queue) {
        state.SkipWithError("ZELMARK_BENCH_QUEUE names no queue");
        return;
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zelmark-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string list = WriteList(folder, static_cast<int>(state.range(0)));
    long peakKB = 0;
    for (auto _ : state) {
        peakKB = RunTool(list, "--printer", queue);
        if (peakKB < 0) {
            state.SkipWithError("zelmark-print failed");
            break;
        }
    }
    state.counters["peak_MB"] = static_cast<double>(peakKB) / 1024.0;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ListToQueueProcess)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace
