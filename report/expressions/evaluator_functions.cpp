#include "report/expressions/evaluator_functions.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "platform/clock.h"
#include "platform/cp932.h"
#include "report/expressions/float_text.h"

#include <cmath>
#include <limits>

namespace zel {

TQREvResult TQREvElementFunction::Value(TQRFiFo& fifo) {
    TQREvArgs args;
    for (TQREvElement* element = fifo.Get(); element && !element->IsArgumentEnd();
         element = fifo.Get())
        args.push_back(element->Value(fifo));
    if (fifo.Aggreg())
        Aggregate(args);
    return Calculate(args);
}

namespace {

TQREvResult WrongArguments(std::string_view function) {
    return ErrorResult(Fmt(msg::kEvWrongArguments, {function}));
}

TQREvResult SysError(const char* message) {
    return ErrorResult(cp932::Sys(message));
}

bool FitsInt32(double v) {
    return v >= std::numeric_limits<std::int32_t>::min() &&
           v <= std::numeric_limits<std::int32_t>::max();
}

// A text function's single String argument, or the result to give instead.
std::optional<TQREvResult> TextArgumentProblem(const TQREvArgs& args, std::string_view name) {
    using enum TQREvResultType;
    if (args.size() != 1)
        return ErrorResult(Fmt(msg::kEvTooFewArguments, {name}));
    if (args[0].Kind == resError)
        return args[0];
    if (args[0].Kind != resString)
        return ErrorResult();
    return std::nullopt;
}

} // namespace

TQREvResult TQREvTrueFunction::Calculate(const TQREvArgs& args) {
    return args.empty() ? BoolResult(true) : SysError(msg::kEvExtraArgument);
}

TQREvResult TQREvFalseFunction::Calculate(const TQREvArgs& args) {
    return args.empty() ? BoolResult(false) : SysError(msg::kEvExtraArgument);
}

TQREvResult TQREvIfFunction::Calculate(const TQREvArgs& args) {
    if (args.size() != 3 || args[0].Kind != TQREvResultType::resBool)
        return WrongArguments("IF");
    return args[0].BooResult ? args[1] : args[2];
}

TQREvResult TQREvTypeOfFunction::Calculate(const TQREvArgs& args) {
    using enum TQREvResultType;
    if (args.size() != 1)
        return WrongArguments("TypeOf");
    switch (args[0].Kind) {
    case resInt:
        return StringResult("INTEGER");
    case resDouble:
        return StringResult("FLOAT");
    case resString:
        return StringResult("STRING");
    case resBool:
        return StringResult("BOOLEAN");
    case resError:
        return StringResult("ERROR");
    }
    return SysError(msg::kEvUnknownType);
}

TQREvResult TQREvIntFunction::Calculate(const TQREvArgs& args) {
    using enum TQREvResultType;
    if (args.size() == 1 && args[0].Kind == resInt)
        return args[0];
    // A Float past the 32-bit range has no Integer part to give.
    if (args.size() == 1 && args[0].Kind == resDouble && FitsInt32(std::trunc(args[0].DblResult)))
        return IntResult(static_cast<std::int32_t>(std::trunc(args[0].DblResult)));
    return WrongArguments("INT");
}

TQREvResult TQREvFracFunction::Calculate(const TQREvArgs& args) {
    if (args.size() != 1 || !IsNumber(args[0]))
        return ErrorResult();
    if (args[0].Kind == TQREvResultType::resInt)
        return FloatResult(0.0);
    const double v = args[0].DblResult;
    return FloatResult(std::isfinite(v) ? v - std::trunc(v) : v);
}

TQREvResult TQREvSqrtFunction::Calculate(const TQREvArgs& args) {
    if (args.size() != 1 || !IsNumber(args[0]) || AsDouble(args[0]) < 0)
        return SysError(msg::kEvSqrtArgument);
    return FloatResult(std::sqrt(AsDouble(args[0])));
}

TQREvResult TQREvDivFunction::Calculate(const TQREvArgs& args) {
    if (args.size() != 2 || !IsNumber(args[0]) || !IsNumber(args[1]))
        return WrongArguments("DIV");
    std::int64_t operands[2];
    for (int i = 0; i < 2; ++i) {
        if (args[i].Kind == TQREvResultType::resInt) {
            operands[i] = args[i].IntResult;
            continue;
        }
        const double rounded = std::nearbyint(args[i].DblResult); // halves to even
        if (!FitsInt32(rounded))
            return WrongArguments("DIV");
        operands[i] = static_cast<std::int64_t>(rounded);
    }
    if (operands[1] == 0)
        return SysError(msg::kEvZeroDivide);
    // In 64 bits, so that the lowest Integer divided by -1 wraps instead of trapping.
    return IntResult(static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(operands[0] / operands[1]))));
}

TQREvResult TQREvStrFunction::Calculate(const TQREvArgs& args) {
    using enum TQREvResultType;
    if (args.size() != 1)
        return ErrorResult();
    switch (args[0].Kind) {
    case resInt:
    case resDouble:
    case resBool:
        return StringResult(QREvResultToString(args[0]));
    default:
        return SysError(msg::kEvConversionError);
    }
}

TQREvResult TQREvUpperFunction::Calculate(const TQREvArgs& args) {
    if (auto problem = TextArgumentProblem(args, "UPPER"))
        return *problem;
    return StringResult(AnsiUpper(args[0].StrResult));
}

TQREvResult TQREvLowerFunction::Calculate(const TQREvArgs& args) {
    if (auto problem = TextArgumentProblem(args, "LOWER"))
        return *problem;
    return StringResult(AnsiLower(args[0].StrResult));
}

TQREvResult TQREvPrettyFunction::Calculate(const TQREvArgs& args) {
    if (auto problem = TextArgumentProblem(args, "PRETTY"))
        return *problem;
    const std::string& text = args[0].StrResult;
    if (text.empty())
        return StringResult(text);
    const std::size_t first = cp932::CharLength(text, 0);
    return StringResult(AnsiUpper(text.substr(0, first)) + AnsiLower(text.substr(first)));
}

TQREvResult TQREvTimeFunction::Calculate(const TQREvArgs& args) {
    return args.empty() ? StringResult(platform::CurrentTimeText()) : ErrorResult();
}

TQREvResult TQREvDateFunction::Calculate(const TQREvArgs& args) {
    return args.empty() ? StringResult(platform::CurrentDateText()) : ErrorResult();
}

std::pair<std::size_t, std::size_t> CopyRange(std::string_view text, std::int64_t start,
                                              std::int64_t length) {
    const auto size = static_cast<std::int64_t>(text.size());
    std::int64_t pos = std::max<std::int64_t>(start, 1) - 1;
    if (pos >= size || length <= 0)
        return {0, 0};
    // Which bytes begin a character decides what a lead or trail byte is.
    std::vector<bool> begins(text.size(), false);
    for (std::size_t i = 0; i < text.size(); i += cp932::CharLength(text, i))
        begins[i] = true;
    if (length >= 1 && !begins[pos]) {
        ++pos;
        --length;
    }
    if (pos >= size)
        return {0, 0};
    length = std::min(length, size - pos);
    if (length >= 1 && cp932::CharLength(text, pos + length - 1) == 2 && begins[pos + length - 1])
        --length;
    return {static_cast<std::size_t>(pos),
            static_cast<std::size_t>(std::max<std::int64_t>(length, 0))};
}

TQREvResult TQREvCopyFunction::Calculate(const TQREvArgs& args) {
    using enum TQREvResultType;
    if (args.size() != 3 || args[0].Kind != resString || args[1].Kind != resInt ||
        args[2].Kind != resInt)
        return ErrorResult();
    const auto [pos, length] = CopyRange(args[0].StrResult, args[1].IntResult, args[2].IntResult);
    return StringResult(args[0].StrResult.substr(pos, length));
}

TQREvResult TQREvFormatNumericFunction::Calculate(const TQREvArgs& args) {
    if (args.size() != 2 || args[0].Kind != TQREvResultType::resString || !IsNumber(args[1]))
        return ErrorResult();
    const auto text = FormatFloat(args[0].StrResult, AsDouble(args[1]));
    return text ? StringResult(*text) : SysError(msg::kEvFormatError);
}

} // namespace zel
