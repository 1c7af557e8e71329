#include "tests/report/evaluator_test_support.h"

#include "report/expressions/evaluator_environment.h"
#include "report/run/report_values.h"

#include <tuple>

namespace zel::test {
namespace {

constexpr const char* kCycle = "E:再帰呼び出しは許されません";

TEST(EvaluatorEnvironment, EntriesAreUpperCaseValuesThatHideGlobalOnesAndNeverRecurse) {
    TQREvEnvironment env;
    for (const auto& [name, expression] : {std::pair{"Answer", "6*7"},
                                           {"answer", "1"},
                                           {"Twice", "[ANSWER]*2"},
                                           {"AppName", "'local'"},
                                           {"SELF", "[SELF]+1"},
                                           {"PING", "PONG"},
                                           {"PONG", "PING"}})
        env.AddFunction(name, expression);
    // "answer" existed already and kept its expression.
    EXPECT_EQ(std::tuple(env.Count(), env.Strings(0), env.Data()[0]),
              std::tuple(6, std::string("ANSWER"), std::string("6*7")));
    env.Prepare();
    EXPECT_EQ(Eval("answer", &env), "I:42");
    EXPECT_EQ(Eval("[Twice]+1", &env), "I:85");
    EXPECT_EQ(Eval("AppName", &env), "S:local");
    EXPECT_EQ(Eval("SELF", &env), kCycle);
    EXPECT_EQ(Eval("PING", &env), kCycle);
    EXPECT_EQ(Eval("SELF", &env), kCycle) << "the cycle leaves nothing busy behind";
    env.Unprepare();
}

TEST(EvaluatorEnvironment, ALongChainOfEntriesStopsBeforeTheStackDoes) {
    // Names built by appending: a literal added to a temporary string makes
    // GCC 12 at -O2 warn wrongly of overlapping copies (-Wrestrict).
    const auto entry = [](int n) { return std::string("E").append(std::to_string(n)); };
    TQREvEnvironment env;
    for (int i = 0; i < 200; ++i)
        env.AddFunction(entry(i), entry(i + 1) + "+1");
    env.AddFunction("E200", "0");
    env.Prepare();
    EXPECT_EQ(Eval("E180", &env), "I:20"); // twenty entries deep is fine
    EXPECT_EQ(Eval("E0", &env), "E:式が複雑すぎます");
    env.Unprepare();
}

TEST(EvaluatorEnvironment, PrepareIsCountedAndLateEntriesCompileAtOnce) {
    TQREvEnvironment env;
    env.AddFunction("A", "1");
    env.Prepare();
    env.Prepare();
    env.AddFunction("B", "2");
    EXPECT_TRUE(env.Entry("B")->Evaluator().Prepared());
    env.Unprepare();
    EXPECT_TRUE(env.Entry("A")->Evaluator().Prepared()) << "prepared twice, unprepared once";
    env.Unprepare();
    env.Unprepare(); // one too many changes nothing
    EXPECT_EQ(std::pair(env.PrepareCount(), env.Entry("A")->Evaluator().Prepared()),
              std::pair(0, false));
    // An entry used while its environment is unprepared cannot be evaluated.
    EXPECT_THROW(Evaluate("A", &env), EQRExprError);
}

TEST(EvaluatorEnvironment, ARemovedEntryIsUnknownToExpressionsStillUsingIt) {
    auto env = std::make_unique<TQREvEnvironment>();
    env->AddFunction("GONE", "5");
    env->Prepare();
    TQREvaluator evaluator;
    evaluator.SetEnvironment(env.get());
    evaluator.Prepare("[GONE]+1");
    EXPECT_EQ(Describe(evaluator.Value()), "I:6");
    env->DeleteFunction("gone");
    EXPECT_EQ(Describe(evaluator.Value()), "E:定義されていない関数 : GONE");
    env->AddFunction("GONE", "7");
    env.reset();
    EXPECT_EQ(Describe(evaluator.Value()), "E:定義されていない関数 : GONE");
}

TEST(EvaluatorEnvironment, ReportValuesAndSettingsReachOnlyConstantsAndTexts) {
    TQREvEnvironment functions;
    TQRReportValues::AddEntries(functions);
    EXPECT_EQ(functions.Data(), (std::vector<std::string>{"0", "0", "''"}));
    functions.AddFunction("SUMMED", "1+1");
    functions.AddFunction("NUMBER", "5");
    functions.Prepare();
    TQRReportValues values;
    values.Attach(functions);
    values.SetReportTitle(cp932::FromUtf8("受験票"));
    values.SetPageNumber(3);
    values.SetColumnNumber(2);
    EXPECT_EQ(Eval("STR([PAGENUMBER]*10+COLUMNNUMBER)+REPORTTITLE", &functions), "S:32受験票");
    values.SetPageNumber(4);
    EXPECT_EQ(Eval("PAGENUMBER", &functions), "I:4");
    values.Detach();

    // An operator takes no constant, a text no Integer.
    functions.SetIntegerConstant(functions.GetConstant("SUMMED"), 9);
    functions.SetIntegerConstant(functions.GetConstant("REPORTTITLE"), 9);
    functions.SetStringConstant(functions.GetConstant("NUMBER"), "x");
    functions.SetIntegerConstant(nullptr, 1);
    EXPECT_EQ(Eval("SUMMED", &functions), "I:2");
    EXPECT_EQ(Eval("NUMBER", &functions), "S:x");
    functions.SetConstant(functions.GetConstant("NUMBER"), FloatResult(1.5));
    EXPECT_EQ(Eval("NUMBER", &functions), "F:1.5");
    EXPECT_EQ(functions.GetConstant("NOSUCH"), nullptr);
    functions.Unprepare();
    EXPECT_EQ(functions.GetConstant("NUMBER"), nullptr) << "nothing is constant unprepared";
}

TEST(EvaluatorGlobalEnvironment, HoldsStartTimeDateAndNameAndAPreparationPerEvaluator) {
    EXPECT_EQ(Eval("[APPNAME]"), "S:Zelmark");
    EXPECT_EQ(Evaluate("AppStartDate").Kind, TQREvResultType::resString);
    const int before = QRGlobalEnvironment().PrepareCount();
    {
        TQREvaluator a, b;
        a.Prepare("1");
        b.Prepare("AppName");
        b.Prepare("AppName"); // a second Prepare replaces the first
        EXPECT_EQ(QRGlobalEnvironment().PrepareCount(), before + 2);
    }
    EXPECT_EQ(QRGlobalEnvironment().PrepareCount(), before);
}

// Fields the test fills in, of a data set of that name.
struct TField : TQRField {
    TField(std::string name, TQRFieldType type) : name(std::move(name)), type(type) {}
    std::string FieldName() const override { return name; }
    TQRFieldType DataType() const override { return type; }
    std::string AsString() const override { return text; }
    std::int32_t AsInteger() const override { return integer; }
    double AsFloat() const override { return number; }
    bool AsBoolean() const override { return flag; }

    std::string name, text;
    TQRFieldType type;
    std::int32_t integer = 0;
    double number = 0;
    bool flag = false;
};

struct TDataSet : TQRDataSet {
    TDataSet(std::string name, std::vector<TQRField*> fields)
        : name(std::move(name)), fields(std::move(fields)) {}
    std::string Name() const override { return name; }
    int FieldCount() const override { return static_cast<int>(fields.size()); }
    TQRField* Fields(int index) const override { return fields[index]; }

    std::string name;
    std::vector<TQRField*> fields;
};

TEST(EvaluatorFields, FieldsAreReadAtEachEvaluation) {
    TField name("Name", TQRFieldType::ftString), score("Score", TQRFieldType::ftInteger),
        rate("Rate", TQRFieldType::ftFloat), passed("Passed", TQRFieldType::ftBoolean),
        blob("Blob", TQRFieldType::ftUnknown), other("Score", TQRFieldType::ftInteger);
    TDataSet examinees("Examinees", {&name, &score, &rate, &passed, &blob});
    TDataSet second("Second", {&other});
    std::tie(name.text, score.integer, rate.number, passed.flag, other.integer) =
        std::tuple("abc", 70, 0.5, true, 5);

    TQREvaluator evaluator;
    evaluator.SetDataSets({&examinees, &second});
    const auto eval = [&](const char* text) {
        evaluator.Prepare(text);
        return Describe(evaluator.Value());
    };
    // Unqualified names take the first data set with the field, in any case.
    EXPECT_EQ(eval("[score]+1"), "I:71");
    EXPECT_EQ(eval("NAME+STR([Second.Score])+STR([EXAMINEES.SCORE])"), "S:abc570");
    EXPECT_EQ(eval("IF(Passed, Rate*2, 0)"), "F:1");
    EXPECT_EQ(eval("Blob"), "E:フィールド Blob の型がわかりません。");
    EXPECT_EQ(eval("[Nobody.Score]"), "E:定義されていない関数 : Nobody.Score");

    eval("SUM(Score)");
    for (int value : {10, 20, 30}) {
        score.integer = value;
        evaluator.DoAggregate();
    }
    EXPECT_EQ(Describe(evaluator.Value()), "I:60");
}

} // namespace
} // namespace zel::test
