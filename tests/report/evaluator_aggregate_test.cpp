#include "tests/report/evaluator_test_support.h"

#include "report/expressions/evaluator_environment.h"

namespace zel::test {
namespace {

// Feeds VALUE the given texts one aggregation step each and describes the
// expression's value afterwards.
std::string Aggregated(const char* expression, std::initializer_list<const char*> values) {
    TQREvEnvironment env;
    env.AddFunction("VALUE", "0");
    env.Prepare();
    TQREvaluator evaluator;
    evaluator.SetEnvironment(&env);
    evaluator.Prepare(expression);
    for (const char* value : values) {
        env.Entry("VALUE")->Evaluator().Prepare(cp932::FromUtf8(value));
        evaluator.DoAggregate();
    }
    const std::string out = Describe(evaluator.Value());
    evaluator.Unprepare();
    env.Unprepare();
    return out;
}

TEST(EvaluatorAggregates, AccumulateOneStepPerRecordNotPerValueAndResetStartsOver) {
    const struct {
        const char* expression;
        std::initializer_list<const char*> values;
        const char* expected;
    } cases[] = {
        {"SUM(VALUE)", {"1", "2", "3"}, "I:6"},
        {"SUM(VALUE)", {"1", "2.5"}, "F:3.5"},
        {"SUM(VALUE)", {}, "I:0"},
        {"SUM(VALUE)", {"1", "'x'", "2"}, "E:"},
        {"SUM(VALUE)", {"1", "1/0", "2"}, "E:0 で割ることはできません。"},
        {"SUM(VALUE)", {"2147483647", "1"}, "I:-2147483648"},
        {"SUM()", {"1"}, "E:"},
        {"COUNT", {}, "I:0"},
        {"COUNT(1)", {"1"}, "E:COUNT - 余計な引数"},
        {"MAX(VALUE)", {"3", "7.5", "5"}, "F:7.5"},
        {"MIN(VALUE)", {"3", "7.5", "-5"}, "I:-5"},
        {"MAX(VALUE)", {"'b'", "'ア'", "'a'"}, "S:ア"},
        {"MAX(VALUE)", {"FALSE", "TRUE"}, "B:True"},
        {"MAX(VALUE)", {"1", "'a'"}, "E:"},
        {"MAX(VALUE)", {}, "I:0"},
        {"AVERAGE(VALUE)", {"1", "2"}, "F:1.5"},
        {"AVERAGE(VALUE)", {}, "F:0"},
        {"AVERAGE(VALUE)", {"1", "TRUE"}, "E:"},
        {"SUM(VALUE)*2+COUNT", {"1", "2"}, "I:8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Aggregated(c.expression, c.values), c.expected) << c.expression;
    TQREvaluator evaluator;
    evaluator.Prepare("COUNT");
    EXPECT_TRUE(evaluator.IsAggreg());
    evaluator.Value();
    EXPECT_EQ(Describe(evaluator.Value()), "I:0");
    evaluator.DoAggregate();
    evaluator.DoAggregate();
    EXPECT_EQ(Describe(evaluator.Value()), "I:2");
    evaluator.Reset();
    EXPECT_EQ(Describe(evaluator.Value()), "I:0");

    TQREvaluator plain;
    plain.Prepare("1+STR(2)");
    EXPECT_FALSE(plain.IsAggreg());
}

} // namespace
} // namespace zel::test
