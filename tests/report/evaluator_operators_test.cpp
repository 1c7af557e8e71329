#include "tests/report/evaluator_test_support.h"

namespace zel::test {
namespace {

TEST(EvaluatorOperators, ArithmeticKeepsPrecedenceOrderAndIntegerWrapping) {
    ExpectAll(TCase{"1+2*3", "I:7"}, TCase{"10-4-3", "I:3"}, TCase{"10-(4-3)", "I:9"},
              TCase{"8/4*2", "F:4"}, TCase{"7/2", "F:3.5"}, TCase{"(1+2)*3", "I:9"},
              TCase{"1.5+1", "F:2.5"}, TCase{"-5+2", "I:-3"}, TCase{"+5", "I:5"},
              TCase{"2147483647+1", "I:-2147483648"}, TCase{"65536*65536", "I:0"},
              TCase{"0-2147483647-1", "I:-2147483648"},
              // Signs after another operator belong to their operand.
              TCase{"2*-3", "I:-6"}, TCase{"2--3", "I:5"}, TCase{"10-2*-3+1", "I:17"},
              TCase{"1<-2", "B:False"}, TCase{"--3", "I:3"});
}

TEST(EvaluatorOperators, ComparisonsMixedKindsAndLogicalOperators) {
    ExpectAll(TCase{"1<2", "B:True"}, TCase{"2<=2", "B:True"}, TCase{"3>2", "B:True"},
              TCase{"2>=3", "B:False"}, TCase{"1=1.0", "B:True"}, TCase{"1<>1", "B:False"},
              TCase{"'a'<'b'", "B:True"}, TCase{"'ab'='AB'", "B:False"},
              TCase{"'a'<'ab'", "B:True"}, TCase{"TRUE<>FALSE", "B:True"}, TCase{"1+1=2", "B:True"},
              // "ア" is 0x83 0x41: texts compare by unsigned bytes.
              TCase{"'ア'>'z'", "B:True"}, TCase{"'~'<'ア'", "B:True"},
              // Kinds that differ meet as text.
              TCase{"'1'=1", "B:True"}, TCase{"'ab'+'cd'", "S:abcd"}, TCase{"1+'a'", "S:1a"},
              TCase{"TRUE+1", "S:True1"});
    ExpectAll(TCase{"TRUE and FALSE", "B:False"}, TCase{"FALSE or TRUE", "B:True"},
              TCase{"6 and 3", "I:2"}, TCase{"6 or 3", "I:7"}, TCase{"not TRUE", "B:False"},
              TCase{"NOT (1=2)", "B:True"},
              // A comparison splits the text before "not" takes its operand.
              TCase{"NOT 1=2", "E:NOT の使い方に間違いがあります。"},
              TCase{"not 1", "E:NOT の使い方に間違いがあります。"});
}

TEST(EvaluatorOperators, ErrorsNameOperatorAndKindAndTheLeftErrorWins) {
    ExpectAll(TCase{"TRUE<FALSE", "E:演算子 < は boolean 型の式には使用できません。"},
              TCase{"TRUE<=FALSE", "E:演算子 <= は boolean 型の式には使用できません。"},
              TCase{"TRUE>FALSE", "E:演算子 > は boolean 型の式には使用できません。"},
              TCase{"TRUE>=FALSE", "E:演算子 >= は boolean 型の式には使用できません。"},
              // Every operator's name and every kind's name once.
              TCase{"1.5 or 2.5", "E:演算子 OR は 数値 型の式には使用できません。"},
              TCase{"'a' and 'b'", "E:演算子 AND は string 型の式には使用できません。"},
              TCase{"TRUE+FALSE", "E:boolean の 足し算 は処理できません。"},
              TCase{"'a'-'b'", "E:string の 引き算 は処理できません。"},
              TCase{"TRUE*FALSE", "E:boolean の かけ算 は処理できません。"},
              TCase{"'a'/'b'", "E:string の わり算 は処理できません。"},
              TCase{"2/0", "E:0 で割ることはできません。"},
              TCase{"2.5/0.0", "E:0 で割ることはできません。"},
              TCase{"2/0.0", "E:0 で割ることはできません。"},
              TCase{"(1/0)+(TRUE<FALSE)", "E:0 で割ることはできません。"},
              TCase{"1+(TRUE<FALSE)", "E:演算子 < は boolean 型の式には使用できません。"},
              TCase{"'a'+(1/0)", "E:0 で割ることはできません。"});
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
