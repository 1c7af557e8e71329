#include "tests/report/evaluator_test_support.h"

#include "report/expressions/evaluator_compiler.h"
#include "tests/support/error_text.h"

#include <string_view>

namespace zel::test {
namespace {

TEST(EvaluatorCompile, ConstantsAndErrorsThatNameWhatIsWrongWithBadOperandsInPlace) {
    ExpectAll(TCase{"42", "I:42"}, TCase{"  42  ", "I:42"}, TCase{"1.25", "F:1.25"},
              TCase{"1e3", "F:1000"}, TCase{"2147483647", "I:2147483647"},
              // Past 32 bits the digits are still a number.
              TCase{"2147483648", "F:2147483648"}, TCase{"99999999999999999999", "F:1E20"},
              TCase{"'it is'", "S:it is"}, TCase{"''", "S:"}, TCase{"", "S: "},
              TCase{"'日本語'", "S:日本語"});
    ExpectAll(TCase{"'abc", "E:' が足りない"}, TCase{"'", "E:' が足りない"},
              TCase{"[PAGE", "E:] が足りない"}, TCase{"(1+2", "E:) が足りない"},
              TCase{"12a", "E:数値定数 \"12a\" 中に不適切な文字があります。"},
              TCase{"1.2.3", "E:数値定数 \"1.2.3\" 中に不適切な文字があります。"},
              TCase{"1e", "E:数値定数 \"1e\" 中に不適切な文字があります。"},
              TCase{"1+", "E:数値定数 \"1+\" 中に不適切な文字があります。"},
              // Only the first comparison is an operator: "1" < "2<3".
              TCase{"1<2<3", "E:数値定数 \"2<3\" 中に不適切な文字があります。"},
              TCase{"#1", "E:式の間違い : #1"}, TCase{"()", "E:式の間違い : "},
              TCase{"NOSUCH", "E:定義されていない関数 : NOSUCH"},
              TCase{"NOSUCH(1)", "E:定義されていない関数 : NOSUCH"},
              TCase{"[NO SUCH]", "E:定義されていない関数 : NO SUCH"},
              TCase{"IF(1", "E:定義されていない関数 : "},
              TCase{"not", "E:NOT の使い方に間違いがあります。"},
              // "ゾ" is 0x83 0x5D: its second byte is "]" and closes nothing.
              TCase{"[aゾ", "E:] が足りない"}, TCase{"[ゾ]", "E:定義されていない関数 : ゾ"},
              TCase{"[ゾ+1]", "E:定義されていない関数 : ゾ+1"});
    ExpectAll( // The bad operand is one element; the operator and the other side stay.
        TCase{"IF(TRUE, 1, 'x)", "I:1"}, TCase{"IF(FALSE, #, 2)", "I:2"},
        TCase{"TYPEOF(#)", "S:ERROR"}, TCase{"'a+b'", "S:a+b"}, TCase{"'1<2'+'x'", "S:1<2x"},
        TCase{"'(' + ')'", "S:()"}, TCase{"COPY('a,b', 1, 3)", "S:a,b"},
        TCase{"IF('x'='x', 'a or b', 'c')", "S:a or b"});
}

TEST(EvaluatorCompile, PathologicalTextsGiveAnErrorInsteadOfOverflowingTheStack) {
    const auto repeat = [](std::string_view piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    EXPECT_EQ(Eval(repeat("(", 4000) + "1" + repeat(")", 4000)), "E:式が複雑すぎます");
    EXPECT_EQ(Eval("1" + repeat("-1", 4000)), "E:式が複雑すぎます");
    EXPECT_EQ(Eval(repeat("-", 4000) + "1"), "E:式が複雑すぎます");
    // NOT turns any non-Boolean operand, an error too, into its own message.
    EXPECT_EQ(Eval(repeat("not ", 2000) + "TRUE"), "E:NOT の使い方に間違いがあります。");
    // A very long text is refused whole; a long string constant is cut to 255 bytes.
    EXPECT_EQ(Eval("'" + repeat("a", kQRMaxExpressionLength) + "'"), "E:式が複雑すぎます");
    EXPECT_EQ(Evaluate("'" + repeat("a", 5000) + "'").StrResult.size(), 255u);
    // Moderate nesting still works.
    EXPECT_EQ(Eval(repeat("(", 100) + "7" + repeat(")", 100)), "I:7");
}

TEST(Evaluator, ValuesAsTextAndValueWithoutPrepareRaiseTheSystemsErrors) {
    const auto message = [](auto&& action) { return ErrorOf<EQRExprError>(action); };
    TQREvaluator evaluator;
    EXPECT_EQ(message([&] { evaluator.Value(); }), "評価できません");
    evaluator.Prepare("1");
    evaluator.Unprepare();
    EXPECT_FALSE(evaluator.Prepared());
    EXPECT_EQ(message([&] { evaluator.Value(); }), "評価できません");

    EXPECT_EQ(QREvResultToString(IntResult(-12)), "-12");
    EXPECT_EQ(QREvResultToString(BoolResult(false)), "False");
    EXPECT_EQ(QREvResultToString(StringResult("x")), "x");
    EXPECT_EQ(message([] { QREvResultToString(Evaluate("2/0")); }),
              "式の間違い : 0 で割ることはできません。");
}

} // namespace
} // namespace zel::test
