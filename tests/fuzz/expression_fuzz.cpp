// An expression compiled and evaluated in a report's environment, with its
// aggregation steps. Bad expressions never raise: they compute an Error
// value, so any exception here is a fault.

#include "report/run/report_values.h"
#include "tests/fuzz/fuzz_check.h"

#include <exception>
#include <string_view>

namespace {

using namespace zel;

TQREvEnvironment& ReportEnvironment() {
    static TQREvEnvironment* environment = [] {
        auto* functions = new TQREvEnvironment;
        TQRReportValues::AddEntries(*functions);
        functions->Prepare();
        static TQRReportValues values;
        values.Attach(*functions);
        values.SetPageNumber(3);
        values.SetColumnNumber(1);
        values.SetReportTitle("Title");
        return functions;
    }();
    return *environment;
}

// Texts fit a short string; printing raises for an Error value only.
void CheckValue(const TQREvResult& result) {
    FUZZ_CHECK(result.StrResult.size() <= kQRMaxStringLength, "a text past a short string");
    bool raised = false;
    try {
        QREvResultToString(result);
    } catch (const EQRExprError&) {
        raised = true;
    }
    FUZZ_CHECK(raised == (result.Kind == TQREvResultType::resError),
               "printing raised for a value, or not for an error");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view expression(reinterpret_cast<const char*>(data), size);
    try {
        TQREvaluator evaluator;
        evaluator.SetEnvironment(&ReportEnvironment());
        evaluator.Prepare(expression);
        CheckValue(evaluator.Value());
        if (evaluator.IsAggreg()) {
            evaluator.DoAggregate();
            evaluator.DoAggregate();
            CheckValue(evaluator.Value());
            evaluator.Reset();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "raised: %s\n", e.what());
        FUZZ_CHECK(false, "evaluating raised");
    }
    return 0;
}
