#include "tests/report/evaluator_test_support.h"

#include "report/expressions/evaluator_compiler.h"

#include <gtest/gtest.h>

#include <random>

namespace zel::test {
namespace {

TEST(EvaluatorCompile, Constants) {
    ExpectAll({
        {"42", "I:42"},
        {"  42  ", "I:42"},
        {"1.25", "F:1.25"},
        {"1e3", "F:1000"},
        {"2147483647", "I:2147483647"},
        // Past 32 bits the digits are still a number.
        {"2147483648", "F:2147483648"},
        {"99999999999999999999", "F:1E20"},
        {"'it is'", "S:it is"},
        {"''", "S:"},
        {"", "S: "},
        {"'日本語'", "S:日本語"},
    });
}

TEST(EvaluatorCompile, ErrorsNameWhatIsWrong) {
    ExpectAll({
        {"'abc", "E:' が足りない"},
        {"'", "E:' が足りない"},
        {"[PAGE", "E:] が足りない"},
        {"(1+2", "E:) が足りない"},
        {"12a", "E:数値定数 \"12a\" 中に不適切な文字があります。"},
        {"1.2.3", "E:数値定数 \"1.2.3\" 中に不適切な文字があります。"},
        {"1e", "E:数値定数 \"1e\" 中に不適切な文字があります。"},
        {"#1", "E:式の間違い : #1"},
        {"()", "E:式の間違い : "},
        {"1+", "E:数値定数 \"1+\" 中に不適切な文字があります。"},
        {"NOSUCH", "E:定義されていない関数 : NOSUCH"},
        {"NOSUCH(1)", "E:定義されていない関数 : NOSUCH"},
        {"[NO SUCH]", "E:定義されていない関数 : NO SUCH"},
        {"IF(1", "E:定義されていない関数 : "},
        {"not", "E:NOT の使い方に間違いがあります。"},
    });
}

TEST(EvaluatorCompile, ErrorsStandInPlaceAndTheRestStillCompiles) {
    // The bad operand is one element; the operator and the other side stay.
    ExpectAll({
        {"IF(TRUE, 1, 'x)", "I:1"},
        {"IF(FALSE, #, 2)", "I:2"},
        {"TYPEOF(#)", "S:ERROR"},
    });
}

TEST(EvaluatorCompile, OperatorsInsideQuotesBracketsAndParenthesesDoNotSplit) {
    ExpectAll({
        {"'a+b'", "S:a+b"},
        {"'1<2'+'x'", "S:1<2x"},
        {"'(' + ')'", "S:()"},
        {"COPY('a,b', 1, 3)", "S:a,b"},
        {"IF('x'='x', 'a or b', 'c')", "S:a or b"},
    });
}

TEST(EvaluatorCompile, ASecondByteLikeABracketDoesNotCloseTheName) {
    // "ゾ" is 0x83 0x5D: its second byte is "]".
    ExpectAll({
        {"[aゾ", "E:] が足りない"},
        {"[ゾ]", "E:定義されていない関数 : ゾ"},
        {"[ゾ+1]", "E:定義されていない関数 : ゾ+1"},
    });
}

TEST(EvaluatorCompile, OnlyTheFirstComparisonIsAnOperator) {
    // "1<2<3" is "1" < "2<3": the right side is not a number.
    EXPECT_EQ(Eval("1<2<3"), "E:数値定数 \"2<3\" 中に不適切な文字があります。");
}

TEST(EvaluatorCompile, PathologicalTextsGiveAnErrorInsteadOfOverflowingTheStack) {
    const std::string deep = std::string(4000, '(') + "1" + std::string(4000, ')');
    EXPECT_EQ(Eval(deep), "E:式が複雑すぎます");
    std::string chain = "1";
    for (int i = 0; i < 4000; ++i)
        chain += "-1";
    EXPECT_EQ(Eval(chain), "E:式が複雑すぎます");
    EXPECT_EQ(Eval(std::string(4000, '-') + "1"), "E:式が複雑すぎます");
    std::string nots;
    for (int i = 0; i < 2000; ++i)
        nots += "not ";
    // NOT turns any non-Boolean operand, an error too, into its own message.
    EXPECT_EQ(Eval(nots + "TRUE"), "E:NOT の使い方に間違いがあります。");
    // A very long text is refused whole; a long string constant is cut to 255 bytes.
    EXPECT_EQ(Eval("'" + std::string(kQRMaxExpressionLength, 'a') + "'"), "E:式が複雑すぎます");
    EXPECT_EQ(Evaluate("'" + std::string(5000, 'a') + "'").StrResult.size(), 255u);
}

TEST(EvaluatorCompile, ModerateNestingStillWorks) {
    EXPECT_EQ(Eval(std::string(100, '(') + "7" + std::string(100, ')')), "I:7");
    std::string sum = "1";
    for (int i = 0; i < 200; ++i)
        sum += "+1";
    EXPECT_EQ(Eval(sum), "I:201");
}

TEST(Evaluator, ValueWithoutPrepareRaises) {
    TQREvaluator evaluator;
    try {
        evaluator.Value();
        FAIL() << "no exception";
    } catch (const EQRExprError& e) {
        EXPECT_EQ(cp932::ToUtf8(e.Message()), "評価できません");
    }
    evaluator.Prepare("1");
    evaluator.Unprepare();
    EXPECT_FALSE(evaluator.Prepared());
    EXPECT_THROW(evaluator.Value(), EQRExprError);
}

TEST(Evaluator, ResultsAsText) {
    EXPECT_EQ(QREvResultToString(IntResult(-12)), "-12");
    EXPECT_EQ(QREvResultToString(BoolResult(true)), "True");
    EXPECT_EQ(QREvResultToString(BoolResult(false)), "False");
    EXPECT_EQ(QREvResultToString(StringResult("x")), "x");
    try {
        QREvResultToString(Evaluate("2/0"));
        FAIL() << "no exception";
    } catch (const EQRExprError& e) {
        EXPECT_EQ(cp932::ToUtf8(e.Message()), "式の間違い : 0 で割ることはできません。");
    }
}

// Random expressions from the grammar's pieces (in code page 932): whatever comes out, the
// evaluator must neither crash nor trip a sanitizer, and converting the
// value either gives a text or raises the system's error.
TEST(EvaluatorFuzz, RandomExpressionsNeverCrash) {
    static const char* const kPieces[] = {
        "1",
        "0",
        "2.5",
        "1e3",
        "'ab'",
        "''",
        "TRUE",
        "FALSE",
        "+",
        "-",
        "*",
        "/",
        "<",
        "<=",
        ">",
        ">=",
        "=",
        "<>",
        " or ",
        " and ",
        "not ",
        "(",
        ")",
        "[",
        "]",
        "'",
        ",",
        " ",
        "IF(",
        "STR(",
        "COPY(",
        "SUM(",
        "COUNT",
        "MAX(",
        "MIN(",
        "AVERAGE(",
        "INT(",
        "FRAC(",
        "SQRT(",
        "DIV(",
        "TYPEOF(",
        "UPPER(",
        "LOWER(",
        "PRETTY(",
        "FORMATNUMERIC(",
        "'#,##0.00'",
        "[PAGENUMBER]",
        "AppName",
        "\x83",
        "\x83\x41",
        "\x83\x5D",
        "2147483647",
        "x",
        "E",
        ".",
    };
    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> length(1, 24);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n)
            text += kPieces[piece(random)];
        TQREvaluator evaluator;
        evaluator.Prepare(text); // code page 932 bytes, stray lead bytes among them
        evaluator.DoAggregate();
        const TQREvResult result = evaluator.Value();
        EXPECT_LE(result.StrResult.size(), kQRMaxStringLength) << text;
        try {
            QREvResultToString(result);
        } catch (const EQRExprError&) {
        }
        evaluator.Reset();
    }
}

} // namespace
} // namespace zel::test
