#pragma once
// Expressions evaluated and their values written as short UTF-8 texts ("I:7", "F:3.5", "S:abcd",
// "B:True", "E:message"), so tables of cases read like the expressions they check.

#include "platform/cp932.h"
#include "report/expressions/evaluator.h"
#include "report/expressions/float_text.h"

#include <concepts>
#include <gtest/gtest.h>
#include <string>

namespace zel::test {

inline std::string Describe(const TQREvResult& r) {
    switch (r.Kind) {
    case TQREvResultType::resInt:
        return "I:" + std::to_string(r.IntResult);
    case TQREvResultType::resDouble:
        return "F:" + FloatToStr(r.DblResult, '.');
    case TQREvResultType::resString:
        return "S:" + cp932::ToUtf8(r.StrResult);
    case TQREvResultType::resBool:
        return r.BooResult ? "B:True" : "B:False";
    case TQREvResultType::resError:
        break;
    }
    return "E:" + cp932::ToUtf8(r.StrResult);
}

// The value of a UTF-8 expression text.
inline TQREvResult Evaluate(const std::string& utf8Expression, TQREvEnvironment* local = nullptr) {
    TQREvaluator evaluator;
    evaluator.SetEnvironment(local);
    evaluator.Prepare(cp932::FromUtf8(utf8Expression));
    return evaluator.Value();
}

inline std::string Eval(const std::string& utf8Expression, TQREvEnvironment* local = nullptr) {
    return Describe(Evaluate(utf8Expression, local));
}

struct TCase {
    const char *expression, *expected;
};

template <std::same_as<TCase>... Cases> void ExpectAll(const Cases&... cases) {
    for (const TCase& c : {cases...})
        EXPECT_EQ(Eval(c.expression), c.expected) << c.expression;
}

} // namespace zel::test
