#include "report/expressions/evaluator_functions.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "platform/cp932.h"

namespace zel {

namespace {

// Sum of two numbers: Integers stay Integer (wrapping at 32 bits).
TQREvResult Add(const TQREvResult& a, const TQREvResult& b) {
    using enum TQREvResultType;
    if (a.Kind == resInt && b.Kind == resInt)
        return IntResult(static_cast<std::int32_t>(static_cast<std::uint32_t>(a.IntResult) +
                                                   static_cast<std::uint32_t>(b.IntResult)));
    return FloatResult(AsDouble(a) + AsDouble(b));
}

// An argument unfit for a numeric aggregate, as the value to keep.
TQREvResult Unfit(const TQREvResult& value) {
    return value.Kind == TQREvResultType::resError ? value : ErrorResult();
}

} // namespace

void TQREvSumFunction::Aggregate(const TQREvArgs& args) {
    ++m_Count;
    if (m_HasValue && m_Sum.Kind == TQREvResultType::resError)
        return; // a bad value spoils the whole sum
    const TQREvResult value = args.size() == 1 ? args[0] : ErrorResult();
    if (!IsNumber(value))
        m_Sum = Unfit(value);
    else
        m_Sum = m_HasValue ? Add(m_Sum, value) : value;
    m_HasValue = true;
}

TQREvResult TQREvSumFunction::Calculate(const TQREvArgs&) {
    return m_HasValue ? m_Sum : IntResult(0);
}

void TQREvSumFunction::Reset() {
    m_Sum = TQREvResult{};
    m_HasValue = false;
    m_Count = 0;
}

TQREvResult TQREvAverageFunction::Calculate(const TQREvArgs&) {
    if (!m_HasValue)
        return FloatResult(0.0);
    if (m_Sum.Kind == TQREvResultType::resError)
        return m_Sum;
    return FloatResult(AsDouble(m_Sum) / m_Count);
}

TQREvResult TQREvCountFunction::Calculate(const TQREvArgs& args) {
    if (!args.empty())
        return ErrorResult("COUNT - " + cp932::Sys(msg::kEvExtraArgument));
    return IntResult(m_Count);
}

void TQREvExtremeFunction::Aggregate(const TQREvArgs& args) {
    using enum TQREvResultType;
    if (m_HasValue && m_Extreme.Kind == resError)
        return;
    const TQREvResult value = args.size() == 1 ? args[0] : ErrorResult();
    if (value.Kind == resError || !m_HasValue) {
        m_Extreme = value;
        m_HasValue = true;
        return;
    }
    bool beyond = false;
    if (IsNumber(value) && IsNumber(m_Extreme)) {
        beyond = m_Largest ? AsDouble(value) > AsDouble(m_Extreme)
                           : AsDouble(value) < AsDouble(m_Extreme);
    } else if (value.Kind == resString && m_Extreme.Kind == resString) {
        beyond = m_Largest ? value.StrResult > m_Extreme.StrResult
                           : value.StrResult < m_Extreme.StrResult;
    } else if (value.Kind == resBool && m_Extreme.Kind == resBool) {
        beyond = m_Largest ? value.BooResult > m_Extreme.BooResult
                           : value.BooResult < m_Extreme.BooResult;
    } else {
        m_Extreme = ErrorResult(); // values of kinds that do not compare
        return;
    }
    if (beyond)
        m_Extreme = value;
}

TQREvResult TQREvExtremeFunction::Calculate(const TQREvArgs&) {
    return m_HasValue ? m_Extreme : IntResult(0);
}

void TQREvExtremeFunction::Reset() {
    m_Extreme = TQREvResult{};
    m_HasValue = false;
}

} // namespace zel
