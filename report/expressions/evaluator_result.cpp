#include "report/expressions/evaluator_result.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "platform/cp932.h"
#include "report/expressions/float_text.h"

namespace zel {

TQREvResult IntResult(std::int32_t value) {
    TQREvResult r;
    r.Kind = TQREvResultType::resInt;
    r.IntResult = value;
    return r;
}

TQREvResult FloatResult(double value) {
    TQREvResult r;
    r.Kind = TQREvResultType::resDouble;
    r.DblResult = value;
    return r;
}

TQREvResult StringResult(std::string_view text) {
    TQREvResult r;
    r.Kind = TQREvResultType::resString;
    r.StrResult = std::string(cp932::TruncateBytes(text, kQRMaxStringLength));
    return r;
}

TQREvResult BoolResult(bool value) {
    TQREvResult r;
    r.Kind = TQREvResultType::resBool;
    r.BooResult = value;
    return r;
}

TQREvResult ErrorResult(std::string_view message) {
    TQREvResult r;
    r.Kind = TQREvResultType::resError;
    r.StrResult = std::string(cp932::TruncateBytes(message, kQRMaxStringLength));
    return r;
}

const std::string& BoolText(bool value) {
    return cp932::Sys(value ? msg::kEvTrue : msg::kEvFalse);
}

std::string QREvResultToString(const TQREvResult& result) {
    switch (result.Kind) {
    case TQREvResultType::resInt:
        return std::to_string(result.IntResult);
    case TQREvResultType::resDouble:
        return FloatToStr(result.DblResult);
    case TQREvResultType::resString:
        return result.StrResult;
    case TQREvResultType::resBool:
        return BoolText(result.BooResult);
    case TQREvResultType::resError:
        break;
    }
    throw EQRExprError(Fmt(msg::kEvExpressionError, {result.StrResult}));
}

namespace {

template <typename Map> std::string MapLetters(std::string_view text, Map map) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); i += cp932::CharLength(out, i)) {
        if (cp932::CharLength(out, i) == 1)
            out[i] = map(out[i]);
    }
    return out;
}

} // namespace

std::string AnsiUpper(std::string_view text) {
    return MapLetters(text, [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
}

std::string AnsiLower(std::string_view text) {
    return MapLetters(text, [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
}

} // namespace zel
