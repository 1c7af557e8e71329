#include "tests/report/evaluator_test_support.h"

#include <gtest/gtest.h>

namespace zel::test {
namespace {

TEST(EvaluatorOperators, ArithmeticKeepsPrecedenceOrderAndIntegerWrapping) {
    ExpectAll({
        {"1+2*3", "I:7"},
        {"10-4+3", "I:9"},
        {"10-4-3", "I:3"},
        {"10-(4-3)", "I:9"},
        {"8/4*2", "F:4"},
        {"8/4/2", "F:1"},
        {"7/2", "F:3.5"},
        {"2*3+4*5", "I:26"},
        {"(1+2)*3", "I:9"},
        {"1.5+1", "F:2.5"},
        {"2.5*2", "F:5"},
        {"1.5-0.5", "F:1"},
        {"-5+2", "I:-3"},
        {"+5", "I:5"},
        {"2147483647+1", "I:-2147483648"},
        {"65536*65536", "I:0"},
        {"0-2147483647-1", "I:-2147483648"},
        // Signs after another operator belong to their operand.
        {"2*-3", "I:-6"},
        {"2--3", "I:5"},
        {"2+-3", "I:-1"},
        {"10-2*-3+1", "I:17"},
        {"6/-2", "F:-3"},
        {"1<-2", "B:False"},
        {"--3", "I:3"},
    });
}

TEST(EvaluatorOperators, ComparisonsAndMixedKinds) {
    ExpectAll({
        {"1<2", "B:True"},
        {"2<=2", "B:True"},
        {"3>2", "B:True"},
        {"2>=3", "B:False"},
        {"1=1.0", "B:True"},
        {"1<>1", "B:False"},
        {"'a'<'b'", "B:True"},
        {"'ab'='ab'", "B:True"},
        {"'ab'='AB'", "B:False"},
        {"'a'<'ab'", "B:True"},
        {"TRUE=TRUE", "B:True"},
        {"TRUE<>FALSE", "B:True"},
        {"1+1=2", "B:True"},
        // "ア" is 0x83 0x41: texts compare by unsigned bytes.
        {"'ア'>'z'", "B:True"},
        {"'~'<'ア'", "B:True"},
        // Kinds that differ meet as text.
        {"'1'=1", "B:True"},
        {"'ab'+'cd'", "S:abcd"},
        {"1+'a'", "S:1a"},
        {"TRUE+1", "S:True1"},
        {"'x'+1.5", "S:x1.5"},
        {"FALSE+'!'", "S:False!"},
    });
}

TEST(EvaluatorOperators, LogicalOperatorsOnBooleansAndIntegers) {
    ExpectAll({
        {"TRUE and FALSE", "B:False"},
        {"TRUE AND TRUE", "B:True"},
        {"FALSE or TRUE", "B:True"},
        {"FALSE OR FALSE", "B:False"},
        {"6 and 3", "I:2"},
        {"6 or 3", "I:7"},
        {"not TRUE", "B:False"},
        {"NOT (1=2)", "B:True"},
        // A comparison splits the text before "not" takes its operand.
        {"NOT 1=2", "E:NOT の使い方に間違いがあります。"},
        {"not 1", "E:NOT の使い方に間違いがあります。"},
    });
}

TEST(EvaluatorOperators, ErrorsNameOperatorAndKindAndTheLeftErrorWins) {
    ExpectAll({
        {"TRUE<FALSE", "E:演算子 < は boolean 型の式には使用できません。"},
        {"TRUE<=FALSE", "E:演算子 <= は boolean 型の式には使用できません。"},
        {"TRUE>FALSE", "E:演算子 > は boolean 型の式には使用できません。"},
        {"TRUE>=FALSE", "E:演算子 >= は boolean 型の式には使用できません。"},
        {"1.5 or 2.5", "E:演算子 OR は 数値 型の式には使用できません。"},
        {"1.5 and 2.5", "E:演算子 AND は 数値 型の式には使用できません。"},
        {"'a' or 'b'", "E:演算子 OR は string 型の式には使用できません。"},
        {"'a' and 'b'", "E:演算子 AND は string 型の式には使用できません。"},
        {"TRUE+FALSE", "E:boolean の 足し算 は処理できません。"},
        {"'a'-'b'", "E:string の 引き算 は処理できません。"},
        {"TRUE-FALSE", "E:boolean の 引き算 は処理できません。"},
        {"'a'*'b'", "E:string の かけ算 は処理できません。"},
        {"TRUE*FALSE", "E:boolean の かけ算 は処理できません。"},
        {"'a'/'b'", "E:string の わり算 は処理できません。"},
        {"TRUE/FALSE", "E:boolean の わり算 は処理できません。"},
        {"2/0", "E:0 で割ることはできません。"},
        {"2.5/0.0", "E:0 で割ることはできません。"},
        {"2/0.0", "E:0 で割ることはできません。"},
        {"(1/0)+(TRUE<FALSE)", "E:0 で割ることはできません。"},
        {"1+(TRUE<FALSE)", "E:演算子 < は boolean 型の式には使用できません。"},
        {"'a'+(1/0)", "E:0 で割ることはできません。"},
    });
}

TEST(EvaluatorOperators, ConcatenationStopsAt255BytesOnACharacterBoundary) {
    const std::string a(200, 'a');
    EXPECT_EQ(Evaluate("'" + a + "'+'" + a + "'").StrResult.size(), 255u);
    // 254 single bytes and then "ア": the double-byte character would end at
    // byte 256, so it is left out whole.
    const std::string b(254, 'b');
    EXPECT_EQ(Evaluate("'" + b + "'+'ア'").StrResult, b);
}

} // namespace
} // namespace zel::test
