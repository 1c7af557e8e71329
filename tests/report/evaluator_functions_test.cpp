#include "tests/report/evaluator_test_support.h"

#include "platform/clock.h"

#include <gtest/gtest.h>

namespace zel::test {
namespace {

TEST(EvaluatorFunctions, LogicAndKinds) {
    ExpectAll({
        {"TRUE", "B:True"},
        {"false", "B:False"},
        {"TRUE()", "B:True"},
        {"TRUE(1)", "E:余計な引数"},
        {"FALSE(1,2)", "E:余計な引数"},
        {"IF(1<2, 'yes', 'no')", "S:yes"},
        {"IF(1>2, 'yes', 3)", "I:3"},
        {"if(TRUE, IF(FALSE, 1, 2), 3)", "I:2"},
        {"IF(1, 2, 3)", "E:IF の引数の間違い"},
        {"IF(TRUE, 2)", "E:IF の引数の間違い"},
        {"IF(TRUE, 2, 3, 4)", "E:IF の引数の間違い"},
        {"IF(1/0, 2, 3)", "E:IF の引数の間違い"},
        {"TYPEOF(1)", "S:INTEGER"},
        {"TYPEOF(1.5)", "S:FLOAT"},
        {"TYPEOF('a')", "S:STRING"},
        {"TYPEOF(TRUE)", "S:BOOLEAN"},
        {"TYPEOF(1/0)", "S:ERROR"},
        {"TYPEOF(1,2)", "E:TypeOf の引数の間違い"},
        {"TYPEOF()", "E:TypeOf の引数の間違い"},
    });
}

TEST(EvaluatorFunctions, Mathematics) {
    ExpectAll({
        {"INT(7)", "I:7"},
        {"INT(7.9)", "I:7"},
        {"INT(-7.9)", "I:-7"},
        {"INT('7')", "E:INT の引数の間違い"},
        {"INT(1,2)", "E:INT の引数の間違い"},
        {"INT(1E20)", "E:INT の引数の間違い"},
        {"FRAC(7)", "F:0"},
        {"FRAC(7.25)", "F:0.25"},
        {"FRAC(-7.25)", "F:-0.25"},
        {"FRAC('a')", "E:"},
        {"FRAC(1,2)", "E:"},
        {"SQRT(16)", "F:4"},
        {"SQRT(2.25)", "F:1.5"},
        {"SQRT(0)", "F:0"},
        {"SQRT(-1)", "E:SQRT 関数の引数が不正です。"},
        {"SQRT('4')", "E:SQRT 関数の引数が不正です。"},
        {"SQRT()", "E:SQRT 関数の引数が不正です。"},
        {"DIV(7, 2)", "I:3"},
        {"DIV(-7, 2)", "I:-3"},
        // Floats round to the even neighbour first: 7.5 to 8, 6.5 to 6.
        {"DIV(7.5, 2)", "I:4"},
        {"DIV(6.5, 2)", "I:3"},
        {"DIV(7, 0)", "E:ゼロによる除算"},
        {"DIV(7, 0.4)", "E:ゼロによる除算"},
        {"DIV(7)", "E:DIV の引数の間違い"},
        {"DIV('7', 1)", "E:DIV の引数の間違い"},
        {"DIV(1E20, 1)", "E:DIV の引数の間違い"},
        {"DIV(0-2147483647-1, -1)", "I:-2147483648"},
    });
}

TEST(EvaluatorFunctions, Texts) {
    ExpectAll({
        {"STR(42)", "S:42"},
        {"STR(-1.25)", "S:-1.25"},
        {"STR(TRUE)", "S:True"},
        {"STR('a')", "E:変換エラー"},
        {"STR(1/0)", "E:変換エラー"},
        {"STR(1,2)", "E:"},
        {"UPPER('abc')", "S:ABC"},
        {"LOWER('AbC')", "S:abc"},
        {"UPPER(1)", "E:"},
        {"UPPER(1/0)", "E:0 で割ることはできません。"},
        {"UPPER('a','b')", "E:UPPER の引数が足りません。"},
        {"LOWER()", "E:LOWER の引数が足りません。"},
        {"PRETTY('hELLO wORLD')", "S:Hello world"},
        {"PRETTY('')", "S:"},
        {"PRETTY(1)", "E:"},
        {"PRETTY('a','b')", "E:PRETTY の引数が足りません。"},
        // A double-byte character is one character whose second byte is no
        // letter: "ア" is 0x83 0x41, "ヂ" 0x83 0x61.
        {"PRETTY('アBC')", "S:アbc"},
        {"LOWER('アA')", "S:アa"},
        {"UPPER('ヂa')", "S:ヂA"},
        {"COPY('abcdef', 2, 3)", "S:bcd"},
        {"COPY('abcdef', 0, 2)", "S:ab"},
        {"COPY('abcdef', -5, 2)", "S:ab"},
        {"COPY('abcdef', 5, 100)", "S:ef"},
        {"COPY('abcdef', 7, 1)", "S:"},
        {"COPY('abcdef', 2, 0)", "S:"},
        {"COPY('abcdef', 2, -1)", "S:"},
        {"COPY('abcdef', 2147483647, 2147483647)", "S:"},
        {"COPY('abc', '1', 2)", "E:"},
        {"COPY('abc', 1)", "E:"},
    });
}

TEST(EvaluatorFunctions, CopyNeverCutsADoubleByteCharacter) {
    // "aアイb": a=1, ア=2-3, イ=4-5, b=6.
    ExpectAll({
        {"COPY('aアイb', 1, 2)", "S:a"}, // would end on ア's first byte
        {"COPY('aアイb', 3, 2)", "S:"},  // starts on ア's second byte: one on, one down
        {"COPY('aアイb', 3, 3)", "S:イ"},
        {"COPY('aアイb', 2, 4)", "S:アイ"},
        {"COPY('aアイb', 2, 3)", "S:ア"},
        {"COPY('aアイb', 5, 2)", "S:b"},
        // "ソ" is 0x83 0x5C: the start of the second one is not a second byte.
        {"COPY('ソソ', 2, 2)", "S:"},
        {"COPY('ソソ', 2, 3)", "S:ソ"},
    });
}

TEST(EvaluatorFunctions, FormatNumericTimeAndDate) {
    ExpectAll({
        {"FORMATNUMERIC('#,##0.00', 1234.5)", "S:1,234.50"},
        {"FORMATNUMERIC('0000', 42)", "S:0042"},
        {"FORMATNUMERIC('0.0', -2.26)", "S:-2.3"},
        {"FORMATNUMERIC('\"x\"0', 5)", "S:x5"},
        {"FORMATNUMERIC('\"x', 5)", "E:構文または値が間違っています。"},
        {"FORMATNUMERIC(1, 5)", "E:"},
        {"FORMATNUMERIC('0', 'a')", "E:"},
        {"FORMATNUMERIC('0')", "E:"},
        {"DATE(1)", "E:"},
        {"TIME(1)", "E:"},
    });
    EXPECT_EQ(Evaluate("DATE").StrResult, platform::CurrentDateText());
    const TQREvResult time = Evaluate("TIME");
    EXPECT_EQ(time.Kind, TQREvResultType::resString);
    EXPECT_FALSE(time.StrResult.empty());
}

} // namespace
} // namespace zel::test
