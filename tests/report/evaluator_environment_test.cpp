#include "tests/report/evaluator_test_support.h"

#include "report/expressions/evaluator_environment.h"
#include "report/run/report_values.h"

#include <gtest/gtest.h>

namespace zel::test {
namespace {

TEST(EvaluatorEnvironment, EntriesAreNamedValuesInUpperCase) {
    TQREvEnvironment env;
    env.AddFunction("Answer", "6*7");
    env.AddFunction("answer", "1"); // exists already: keeps its expression
    env.AddFunction("Twice", "[ANSWER]*2");
    EXPECT_EQ(env.Count(), 2);
    EXPECT_EQ(env.Strings(0), "ANSWER");
    EXPECT_EQ(env.Data(), (std::vector<std::string>{"6*7", "[ANSWER]*2"}));
    env.Prepare();
    EXPECT_EQ(Eval("answer", &env), "I:42");
    EXPECT_EQ(Eval("[Twice]+1", &env), "I:85");
    EXPECT_EQ(Eval("ANSWER()", &env), "I:42");
    env.Unprepare();
}

TEST(EvaluatorEnvironment, AnEntryNamingItselfIsACycleNotARecursion) {
    TQREvEnvironment env;
    env.AddFunction("SELF", "[SELF]+1");
    env.AddFunction("PING", "PONG");
    env.AddFunction("PONG", "PING");
    env.Prepare();
    EXPECT_EQ(Eval("SELF", &env), "E:再帰呼び出しは許されません");
    EXPECT_EQ(Eval("PING", &env), "E:再帰呼び出しは許されません");
    // The cycle leaves nothing busy behind.
    EXPECT_EQ(Eval("SELF", &env), "E:再帰呼び出しは許されません");
    env.Unprepare();
}

TEST(EvaluatorEnvironment, ALongChainOfEntriesStopsBeforeTheStackDoes) {
    TQREvEnvironment env;
    // Names built by appending: a literal added to a temporary string makes
    // GCC 12 at -O2 warn wrongly of overlapping copies (-Wrestrict).
    const auto entry = [](int n) { return std::string("E").append(std::to_string(n)); };
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
    EXPECT_EQ(env.PrepareCount(), 2);
    env.AddFunction("B", "2");
    EXPECT_TRUE(env.Entry("B")->Evaluator().Prepared());
    env.Unprepare();
    EXPECT_TRUE(env.Entry("A")->Evaluator().Prepared());
    env.Unprepare();
    EXPECT_FALSE(env.Entry("A")->Evaluator().Prepared());
    env.Unprepare(); // one too many changes nothing
    EXPECT_EQ(env.PrepareCount(), 0);
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

TEST(EvaluatorEnvironment, ReportValuesWorkThroughConstants) {
    TQREvEnvironment functions;
    TQRReportValues::AddEntries(functions);
    EXPECT_EQ(functions.Data(), (std::vector<std::string>{"0", "0", "''"}));
    functions.Prepare();
    TQRReportValues values;
    values.Attach(functions);
    values.SetReportTitle(cp932::FromUtf8("受験票"));
    values.SetPageNumber(3);
    values.SetColumnNumber(2);
    EXPECT_EQ(Eval("[PAGENUMBER]*10+COLUMNNUMBER", &functions), "I:32");
    EXPECT_EQ(Eval("REPORTTITLE+'!'", &functions), "S:受験票!");
    values.SetPageNumber(4);
    EXPECT_EQ(Eval("PAGENUMBER", &functions), "I:4");
    values.Detach();
    functions.Unprepare();
}

TEST(EvaluatorEnvironment, SettingAffectsOnlyConstantAndStringElements) {
    TQREvEnvironment env;
    env.AddFunction("SUMMED", "1+1");
    env.AddFunction("TEXT", "'a'");
    env.AddFunction("NUMBER", "5");
    env.Prepare();
    env.SetIntegerConstant(env.GetConstant("SUMMED"), 9); // an operator: ignored
    env.SetIntegerConstant(env.GetConstant("TEXT"), 9);   // a text takes no Integer
    env.SetStringConstant(env.GetConstant("NUMBER"), "x");
    env.SetIntegerConstant(nullptr, 1);
    EXPECT_EQ(Eval("SUMMED", &env), "I:2");
    EXPECT_EQ(Eval("TEXT", &env), "S:a");
    EXPECT_EQ(Eval("NUMBER", &env), "S:x");
    env.SetConstant(env.GetConstant("NUMBER"), FloatResult(1.5));
    EXPECT_EQ(Eval("NUMBER", &env), "F:1.5");
    EXPECT_EQ(env.GetConstant("NOSUCH"), nullptr);
    env.Unprepare();
    EXPECT_EQ(env.GetConstant("NUMBER"), nullptr);
}

TEST(EvaluatorEnvironment, LocalEntriesHideGlobalOnes) {
    TQREvEnvironment env;
    env.AddFunction("AppName", "'local'");
    env.Prepare();
    EXPECT_EQ(Eval("AppName", &env), "S:local");
    env.Unprepare();
}

TEST(EvaluatorGlobalEnvironment, HoldsStartTimeDateAndName) {
    EXPECT_EQ(Eval("AppName"), "S:Zelmark");
    EXPECT_EQ(Eval("[APPNAME]"), "S:Zelmark");
    EXPECT_EQ(Evaluate("AppStartDate").Kind, TQREvResultType::resString);
    EXPECT_EQ(Evaluate("AppStartTime").Kind, TQREvResultType::resString);
    // Each evaluator holds one preparation of the global environment.
    const int before = QRGlobalEnvironment().PrepareCount();
    {
        TQREvaluator a;
        TQREvaluator b;
        a.Prepare("1");
        b.Prepare("AppName");
        b.Prepare("AppName"); // a second Prepare replaces the first
        EXPECT_EQ(QRGlobalEnvironment().PrepareCount(), before + 2);
    }
    EXPECT_EQ(QRGlobalEnvironment().PrepareCount(), before);
}

// A data set the tests fill in.
class TField : public TQRField {
public:
    TField(std::string name, TQRFieldType type) : m_Name(std::move(name)), m_Type(type) {}
    std::string FieldName() const override { return m_Name; }
    TQRFieldType DataType() const override { return m_Type; }
    std::string AsString() const override { return text; }
    std::int32_t AsInteger() const override { return integer; }
    double AsFloat() const override { return number; }
    bool AsBoolean() const override { return flag; }
    std::string text;
    std::int32_t integer = 0;
    double number = 0;
    bool flag = false;

private:
    std::string m_Name;
    TQRFieldType m_Type;
};

class TDataSet : public TQRDataSet {
public:
    explicit TDataSet(std::string name) : m_Name(std::move(name)) {}
    std::string Name() const override { return m_Name; }
    int FieldCount() const override { return static_cast<int>(fields.size()); }
    TQRField* Fields(int index) const override { return fields[index]; }
    std::vector<TQRField*> fields;

private:
    std::string m_Name;
};

TEST(EvaluatorFields, FieldsAreReadAtEachEvaluation) {
    TField name("Name", TQRFieldType::ftString);
    TField score("Score", TQRFieldType::ftInteger);
    TField rate("Rate", TQRFieldType::ftFloat);
    TField passed("Passed", TQRFieldType::ftBoolean);
    TField blob("Blob", TQRFieldType::ftUnknown);
    TField other("Score", TQRFieldType::ftInteger);
    TDataSet examinees("Examinees");
    examinees.fields = {&name, &score, &rate, &passed, &blob};
    TDataSet second("Second");
    second.fields = {&other};
    name.text = "abc";
    score.integer = 70;
    rate.number = 0.5;
    passed.flag = true;
    other.integer = 5;

    const auto eval = [&](const char* text) {
        TQREvaluator evaluator;
        evaluator.SetDataSets({&examinees, &second});
        evaluator.Prepare(text);
        return Describe(evaluator.Value());
    };
    EXPECT_EQ(eval("NAME"), "S:abc");
    EXPECT_EQ(eval("[score]+1"), "I:71");
    EXPECT_EQ(eval("[Second.Score]"), "I:5");
    EXPECT_EQ(eval("[EXAMINEES.SCORE]"), "I:70");
    EXPECT_EQ(eval("Rate*2"), "F:1");
    EXPECT_EQ(eval("IF(Passed, 'ok', 'ng')"), "S:ok");
    EXPECT_EQ(eval("Blob"), "E:フィールド Blob の型がわかりません。");
    EXPECT_EQ(eval("[Nobody.Score]"), "E:定義されていない関数 : Nobody.Score");

    TQREvaluator evaluator;
    evaluator.SetDataSets({&examinees});
    evaluator.Prepare("SUM(Score)");
    for (int value : {10, 20, 30}) {
        score.integer = value;
        evaluator.DoAggregate();
    }
    EXPECT_EQ(Describe(evaluator.Value()), "I:60");
}

} // namespace
} // namespace zel::test
