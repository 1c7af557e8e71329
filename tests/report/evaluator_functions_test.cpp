#include "tests/report/evaluator_test_support.h"

#include "platform/clock.h"

namespace zel::test {
namespace {

TEST(EvaluatorFunctions, LogicAndKinds) {
    ExpectAll(TCase{"TRUE", "B:True"}, TCase{"false", "B:False"}, TCase{"TRUE()", "B:True"},
              TCase{"TRUE(1)", "E:余計な引数"}, TCase{"FALSE(1,2)", "E:余計な引数"},
              TCase{"IF(1<2, 'yes', 'no')", "S:yes"}, TCase{"IF(1>2, 'yes', 3)", "I:3"},
              TCase{"IF(1, 2, 3)", "E:IF の引数の間違い"},
              TCase{"IF(TRUE, 2)", "E:IF の引数の間違い"},
              TCase{"IF(TRUE, 2, 3, 4)", "E:IF の引数の間違い"},
              TCase{"IF(1/0, 2, 3)", "E:IF の引数の間違い"}, TCase{"TYPEOF(1)", "S:INTEGER"},
              TCase{"TYPEOF(1.5)", "S:FLOAT"}, TCase{"TYPEOF('a')", "S:STRING"},
              TCase{"TYPEOF(TRUE)", "S:BOOLEAN"}, TCase{"TYPEOF(1/0)", "S:ERROR"},
              TCase{"TYPEOF(1,2)", "E:TypeOf の引数の間違い"},
              TCase{"TYPEOF()", "E:TypeOf の引数の間違い"});
}

TEST(EvaluatorFunctions, Mathematics) {
    ExpectAll(TCase{"INT(7)", "I:7"}, TCase{"INT(7.9)", "I:7"}, TCase{"INT(-7.9)", "I:-7"},
              TCase{"INT('7')", "E:INT の引数の間違い"}, TCase{"INT(1,2)", "E:INT の引数の間違い"},
              TCase{"INT(1E20)", "E:INT の引数の間違い"}, TCase{"FRAC(7)", "F:0"},
              TCase{"FRAC(-7.25)", "F:-0.25"}, TCase{"FRAC('a')", "E:"}, TCase{"FRAC(1,2)", "E:"},
              TCase{"SQRT(16)", "F:4"}, TCase{"SQRT(0)", "F:0"},
              TCase{"SQRT(-1)", "E:SQRT 関数の引数が不正です。"},
              TCase{"SQRT('4')", "E:SQRT 関数の引数が不正です。"},
              TCase{"SQRT()", "E:SQRT 関数の引数が不正です。"}, TCase{"DIV(7, 2)", "I:3"},
              TCase{"DIV(-7, 2)", "I:-3"},
              // Floats round to the even neighbour first: 7.5 to 8, 6.5 to 6.
              TCase{"DIV(7.5, 2)", "I:4"}, TCase{"DIV(6.5, 2)", "I:3"},
              TCase{"DIV(7, 0)", "E:ゼロによる除算"}, TCase{"DIV(7, 0.4)", "E:ゼロによる除算"},
              TCase{"DIV(7)", "E:DIV の引数の間違い"}, TCase{"DIV('7', 1)", "E:DIV の引数の間違い"},
              TCase{"DIV(1E20, 1)", "E:DIV の引数の間違い"},
              TCase{"DIV(0-2147483647-1, -1)", "I:-2147483648"});
}

TEST(EvaluatorFunctions, Texts) {
    ExpectAll(TCase{"STR(-1.25)", "S:-1.25"}, TCase{"STR(TRUE)", "S:True"},
              TCase{"STR('a')", "E:変換エラー"}, TCase{"STR(1/0)", "E:変換エラー"},
              TCase{"STR(1,2)", "E:"}, TCase{"UPPER('abc')", "S:ABC"}, TCase{"UPPER(1)", "E:"},
              TCase{"UPPER(1/0)", "E:0 で割ることはできません。"},
              TCase{"UPPER('a','b')", "E:UPPER の引数が足りません。"},
              TCase{"LOWER()", "E:LOWER の引数が足りません。"},
              TCase{"PRETTY('hELLO wORLD')", "S:Hello world"}, TCase{"PRETTY('')", "S:"},
              TCase{"PRETTY(1)", "E:"}, TCase{"PRETTY('a','b')", "E:PRETTY の引数が足りません。"},
              // A double-byte character is one character whose second byte is no
              // letter: "ア" is 0x83 0x41, "ヂ" 0x83 0x61.
              TCase{"PRETTY('アBC')", "S:アbc"}, TCase{"LOWER('アA')", "S:アa"},
              TCase{"UPPER('ヂa')", "S:ヂA"}, TCase{"COPY('abcdef', 2, 3)", "S:bcd"},
              TCase{"COPY('abcdef', 0, 2)", "S:ab"}, TCase{"COPY('abcdef', 5, 100)", "S:ef"},
              TCase{"COPY('abcdef', 7, 1)", "S:"}, TCase{"COPY('abcdef', 2, 0)", "S:"},
              TCase{"COPY('abcdef', 2, -1)", "S:"},
              TCase{"COPY('abcdef', 2147483647, 2147483647)", "S:"},
              TCase{"COPY('abc', '1', 2)", "E:"}, TCase{"COPY('abc', 1)", "E:"});
    // "aアイb": a=1, ア=2-3, イ=4-5, b=6.
    ExpectAll(TCase{"COPY('aアイb', 1, 2)", "S:a"}, // would end on ア's first byte
              TCase{"COPY('aアイb', 3, 2)", "S:"},  // starts on ア's second byte: one on, one down
              TCase{"COPY('aアイb', 3, 3)", "S:イ"}, TCase{"COPY('aアイb', 2, 3)", "S:ア"},
              TCase{"COPY('aアイb', 5, 2)", "S:b"},
              // "ソ" is 0x83 0x5C: the start of the second one is not a second byte.
              TCase{"COPY('ソソ', 2, 2)", "S:"}, TCase{"COPY('ソソ', 2, 3)", "S:ソ"});
}

TEST(EvaluatorFunctions, FormatNumericTimeAndDate) {
    ExpectAll(TCase{"FORMATNUMERIC('#,##0.00', 1234.5)", "S:1,234.50"},
              TCase{"FORMATNUMERIC('\"x', 5)", "E:構文または値が間違っています。"},
              TCase{"FORMATNUMERIC(1, 5)", "E:"}, TCase{"FORMATNUMERIC('0', 'a')", "E:"},
              TCase{"FORMATNUMERIC('0')", "E:"}, TCase{"DATE(1)", "E:"}, TCase{"TIME(1)", "E:"});
    EXPECT_EQ(Evaluate("DATE").StrResult, platform::CurrentDateText());
    const TQREvResult time = Evaluate("TIME");
    EXPECT_EQ(time.Kind, TQREvResultType::resString);
    EXPECT_FALSE(time.StrResult.empty());
}

} // namespace
} // namespace zel::test
