// The page store: compression and expansion throughput on page-like data,
// and a thousand pages recorded then paged through one at a time.

#include "bench/resident_memory.h"
#include "output/page_compression.h"
#include "output/page_list.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

using zel::bench::ResidentKB;

void PutInt32(std::string& out, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
}

void PutText(std::string& out, const std::string& text) {
    PutInt32(out, static_cast<std::int32_t>(text.size()));
    out += text;
}

// A recorded ticket page: little-endian records of canvas calls (font,
// colour, text out at pixel positions) for two columns of ticket blocks,
// with the same font names and captions again and again and the exam
// numbers and names changing.
std::string PageLikeBytes(int seed, std::size_t size = 6000) {
    static const std::string kFaces[] = {
        "\x82\x6c\x82\x72 \x82\x6f\x96\xbe\x92\xa9",
        "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e"};
    static const std::string kNames[] = {"\x8e\x52\x93\x63 \x91\xbe\x98\x59",
                                         "\x8d\xb2\x93\x9b \x89\xd4\x8e\x71",
                                         "\x97\xe9\x96\xd8 \x88\xea\x98\x59"};
    std::string page;
    PutInt32(page, 0x31505252); // a version tag and the page size in pixels
    PutInt32(page, 688);
    PutInt32(page, 971);
    for (int ticket = 0; page.size() < size; ++ticket) {
        const int column = ticket % 2;
        const int row = ticket / 2;
        page += '\x03'; // font
        PutText(page, kFaces[ticket % 2]);
        PutInt32(page, 16 + ticket % 3);
        PutInt32(page, 0x000000);
        const std::string texts[] = {std::to_string(202400 + seed * 20 + ticket),
                                     kNames[(seed + ticket) % 3], "\x89\xef\x8f\xea A",
                                     "\x8f\x6d\x96\xbc"};
        for (int t = 0; t < 4; ++t) {
            page += '\x07'; // text out
            PutInt32(page, 40 + column * 344 + t * 12);
            PutInt32(page, 60 + row * 160 + t * 28);
            PutText(page, texts[t]);
        }
    }
    page.resize(size);
    return page;
}

std::string Compressed(const std::string& input) {
    std::string output;
    {
        zel::TQRCompress compressor(&output);
        for (const char c : input)
            compressor.Compress(static_cast<std::uint8_t>(c));
    }
    return output;
}

void BM_Compress(benchmark::State& state) {
    const std::string page = PageLikeBytes(1);
    std::size_t packed = 0;
    for (auto _ : state) {
        const std::string out = Compressed(page);
        packed = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
    state.counters["ratio"] = static_cast<double>(packed) / static_cast<double>(page.size());
}
BENCHMARK(BM_Compress);

void BM_Expand(benchmark::State& state) {
    const std::string page = PageLikeBytes(1);
    const std::string packed = Compressed(page);
    std::string out(page.size(), '\0');
    for (auto _ : state) {
        zel::TQRCompress expander(packed);
        for (char& c : out)
            c = static_cast<char>(*expander.Expand());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_Expand);

void BM_ThousandPagesAddedThenPagedThrough(benchmark::State& state) {
    const bool compression = state.range(0) != 0;
    long growth = 0;
    for (auto _ : state) {
        const long before = ResidentKB();
        zel::TQRPageList list;
        list.SetCompression(compression);
        for (int i = 1; i <= 1000; ++i)
            list.AddPage(PageLikeBytes(i));
        list.Finish();
        for (int n = 2; n < 1000; ++n) {
            benchmark::DoNotOptimize(list.GetPage(n));
            benchmark::DoNotOptimize(list.GetPage(n + 1));
            benchmark::DoNotOptimize(list.GetPage(n - 1));
        }
        growth = std::max(growth, ResidentKB() - before);
    }
    state.counters["rss_growth_MB"] = static_cast<double>(growth) / 1024.0;
}
BENCHMARK(BM_ThousandPagesAddedThenPagedThrough)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
