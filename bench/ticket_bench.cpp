// The ticket report run into the preview's page store: pages a second for
// lists of any length, how soon the first page is there for the preview,
// and how much the process grows while the pages are kept.

#include "app/ticket_report.h"
#include "bench/resident_memory.h"
#include "output/report_printer.h"
#include "platform/cp932.h"
#include "platform/qt/font_faces.h"
#include "tests/output/report_printer_test_support.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using zel::bench::ResidentKB;

using Clock = std::chrono::steady_clock;

class TExamineeList : public zel::app::TExamineeRows {
public:
    explicit TExamineeList(int count) {
        const std::string family[] = {zel::cp932::FromUtf8("山田"), zel::cp932::FromUtf8("佐藤"),
                                      zel::cp932::FromUtf8("髙橋")};
        const std::string venue = zel::cp932::FromUtf8("駅前校");
        m_Rows.push_back({"", "", ""});
        for (int i = 1; i <= count; ++i)
            m_Rows.push_back({std::to_string(200000 + i),
                              family[i % 3] + zel::cp932::FromUtf8("　") + std::to_string(i),
                              venue});
    }
    int RowCount() const override { return static_cast<int>(m_Rows.size()); }
    std::string Cells(int col, int row) const override {
        return row < RowCount() ? m_Rows[row][col] : std::string();
    }

private:
    std::vector<std::vector<std::string>> m_Rows;
};

// Fonts are loaded by the first run of the process; that is start-up, not
// growth with the list.
void WarmUp(zel::test::TAcceptingDevice& device) {
    static bool done = false;
    if (done)
        return;
    done = true;
    const TExamineeList one(1);
    zel::app::TTicketReport report(one);
    report.OnPreview = [&](zel::TQRPrinter& printer) {
        printer.PrinterSettings().SetDevice(&device);
    };
    report.Preview();
}

void BM_TicketsIntoPageStore(benchmark::State& state) {
    const TExamineeList examinees(static_cast<int>(state.range(0)));
    zel::test::TAcceptingDevice device;
    WarmUp(device);
    double firstPageMs = 0;
    long growthKB = 0;
    int pages = 0;
    for (auto _ : state) {
        const long before = ResidentKB();
        zel::app::TTicketReport report(examinees);
        Clock::time_point start;
        Clock::time_point firstPage;
        report.OnPreview = [&](zel::TQRPrinter& printer) {
            printer.PrinterSettings().SetDevice(&device);
            start = Clock::now();
            firstPage = Clock::time_point();
        };
        // The preview shows a page once the store has it; the run asks for
        // the next record right after storing one.
        const auto needData = report.OnNeedData;
        report.OnNeedData = [&](zel::TQRComponent& sender, bool& moreData) {
            if (firstPage == Clock::time_point() && report.QRPrinter()->AvailablePages() > 0)
                firstPage = Clock::now();
            needData(sender, moreData);
        };
        report.ApplyPrintOffsets();
        report.Preview();
        pages = report.QRPrinter()->PageCount();
        firstPageMs = std::chrono::duration<double, std::milli>(firstPage - start).count();
        growthKB = ResidentKB() - before;
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["first_page_ms"] = firstPageMs;
    state.counters["growth_MB"] = static_cast<double>(growthKB) / 1024.0;
}
BENCHMARK(BM_TicketsIntoPageStore)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    // Text is measured with the screen's fonts, which need the application.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    zel::platform::InstallFontFaceSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
