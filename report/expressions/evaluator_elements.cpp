#include "report/expressions/evaluator_elements.h"

#include "framework/format.h"
#include "framework/messages.h"
#include "platform/cp932.h"
#include "report/expressions/evaluator_environment.h"
#include "report/expressions/float_text.h"

namespace zel {

TQREvElement* TQRFiFo::Get() {
    if (m_Position >= m_Items.size())
        return nullptr;
    return m_Items[m_Position++].get();
}

TQREvResult TQRFiFo::NextValue() {
    TQREvElement* element = Get();
    return element ? element->Value(*this) : ErrorResult();
}

void TQRFiFo::Clear() {
    m_Items.clear();
    m_Position = 0;
}

void TQREvElementString::SetText(std::string_view text) {
    m_Text = std::string(cp932::TruncateBytes(text, kQRMaxStringLength));
}

TQREvResult TQREvElementNot::Value(TQRFiFo& fifo) {
    const TQREvResult operand = fifo.NextValue();
    if (operand.Kind != TQREvResultType::resBool)
        return ErrorResult(cp932::Sys(msg::kEvNotUsage));
    return BoolResult(!operand.BooResult);
}

TQREvResult TQREvElementDataField::Value(TQRFiFo&) {
    switch (m_Field->DataType()) {
    case TQRFieldType::ftString:
        return StringResult(m_Field->AsString());
    case TQRFieldType::ftInteger:
        return IntResult(m_Field->AsInteger());
    case TQRFieldType::ftFloat:
        return FloatResult(m_Field->AsFloat());
    case TQRFieldType::ftBoolean:
        return BoolResult(m_Field->AsBoolean());
    case TQRFieldType::ftUnknown:
        break;
    }
    return ErrorResult(Fmt(msg::kEvUnknownFieldType, {m_Field->FieldName()}));
}

TQREvResult TQREvElementWrapper::Value(TQRFiFo& fifo) {
    if (const auto entry = m_Entry.lock())
        return entry->Value(fifo);
    return ErrorResult(Fmt(msg::kEvUnknownFunction, {m_Name}));
}

void MakeCompatible(TQREvResult& left, TQREvResult& right) {
    using enum TQREvResultType;
    if (left.Kind == right.Kind || left.Kind == resError || right.Kind == resError)
        return;
    if (IsNumber(left) && IsNumber(right)) {
        left = FloatResult(AsDouble(left));
        right = FloatResult(AsDouble(right));
        return;
    }
    left = StringResult(QREvResultToString(left));
    right = StringResult(QREvResultToString(right));
}

namespace {

// Integer arithmetic wraps around at 32 bits, as the report's integers do.
std::int32_t Wrap(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

template <typename Value> TQREvResult Compare(TQREvOperator op, const Value& a, const Value& b) {
    switch (op) {
    case TQREvOperator::opLess:
        return BoolResult(a < b);
    case TQREvOperator::opLessOrEqual:
        return BoolResult(a <= b);
    case TQREvOperator::opGreater:
        return BoolResult(a > b);
    case TQREvOperator::opGreaterOrEqual:
        return BoolResult(a >= b);
    case TQREvOperator::opEqual:
        return BoolResult(a == b);
    default:
        return BoolResult(a != b);
    }
}

const char* OperatorName(TQREvOperator op) {
    switch (op) {
    case TQREvOperator::opLess:
        return "<";
    case TQREvOperator::opLessOrEqual:
        return "<=";
    case TQREvOperator::opGreater:
        return ">";
    case TQREvOperator::opGreaterOrEqual:
        return ">=";
    case TQREvOperator::opOr:
        return "OR";
    default:
        return "AND";
    }
}

std::string_view TypeWord(TQREvResultType kind) {
    using enum TQREvResultType;
    switch (kind) {
    case resBool:
        return "boolean";
    case resString:
        return "string";
    default:
        return cp932::Sys(msg::kEvNumberWord);
    }
}

TQREvResult NotForType(TQREvOperator op, TQREvResultType kind) {
    return ErrorResult(Fmt(msg::kEvOperatorType, {OperatorName(op), TypeWord(kind)}));
}

TQREvResult CannotProcess(const char* operation, TQREvResultType kind) {
    return ErrorResult(Fmt(msg::kEvCannotProcess, {TypeWord(kind), cp932::Sys(operation)}));
}

const char* OperationWord(TQREvOperator op) {
    switch (op) {
    case TQREvOperator::opPlus:
        return msg::kEvAddition;
    case TQREvOperator::opMinus:
        return msg::kEvSubtraction;
    case TQREvOperator::opMul:
        return msg::kEvMultiplication;
    default:
        return msg::kEvDivision;
    }
}

TQREvResult DivideByZero() {
    return ErrorResult(cp932::Sys(msg::kEvDivideByZero));
}

TQREvResult OnIntegers(TQREvOperator op, std::int32_t a, std::int32_t b) {
    switch (op) {
    case TQREvOperator::opPlus:
        return IntResult(Wrap(std::int64_t{a} + b));
    case TQREvOperator::opMinus:
        return IntResult(Wrap(std::int64_t{a} - b));
    case TQREvOperator::opMul:
        return IntResult(Wrap(std::int64_t{a} * b));
    case TQREvOperator::opDiv:
        return b == 0 ? DivideByZero() : FloatResult(static_cast<double>(a) / b);
    case TQREvOperator::opOr:
        return IntResult(a | b);
    case TQREvOperator::opAnd:
        return IntResult(a & b);
    default:
        return Compare(op, a, b);
    }
}

TQREvResult OnFloats(TQREvOperator op, double a, double b) {
    switch (op) {
    case TQREvOperator::opPlus:
        return FloatResult(a + b);
    case TQREvOperator::opMinus:
        return FloatResult(a - b);
    case TQREvOperator::opMul:
        return FloatResult(a * b);
    case TQREvOperator::opDiv:
        return b == 0.0 ? DivideByZero() : FloatResult(a / b);
    case TQREvOperator::opOr:
    case TQREvOperator::opAnd:
        return NotForType(op, TQREvResultType::resDouble);
    default:
        return Compare(op, a, b);
    }
}

TQREvResult OnStrings(TQREvOperator op, const std::string& a, const std::string& b) {
    using enum TQREvResultType;
    switch (op) {
    case TQREvOperator::opPlus:
        return StringResult(a + b);
    case TQREvOperator::opOr:
    case TQREvOperator::opAnd:
        return NotForType(op, resString);
    case TQREvOperator::opMinus:
    case TQREvOperator::opMul:
    case TQREvOperator::opDiv:
        return CannotProcess(OperationWord(op), resString);
    default:
        // std::string compares bytes as unsigned values, which is the
        // byte-wise order the report sorts texts in.
        return Compare(op, a, b);
    }
}

TQREvResult OnBooleans(TQREvOperator op, bool a, bool b) {
    using enum TQREvResultType;
    switch (op) {
    case TQREvOperator::opEqual:
        return BoolResult(a == b);
    case TQREvOperator::opUnequal:
        return BoolResult(a != b);
    case TQREvOperator::opOr:
        return BoolResult(a || b);
    case TQREvOperator::opAnd:
        return BoolResult(a && b);
    case TQREvOperator::opPlus:
    case TQREvOperator::opMinus:
    case TQREvOperator::opMul:
    case TQREvOperator::opDiv:
        return CannotProcess(OperationWord(op), resBool);
    default:
        return NotForType(op, resBool);
    }
}

} // namespace

TQREvResult ApplyOperator(TQREvOperator op, TQREvResult left, TQREvResult right) {
    using enum TQREvResultType;
    MakeCompatible(left, right);
    if (left.Kind == resError)
        return left;
    if (right.Kind == resError)
        return right;
    switch (left.Kind) {
    case resInt:
        return OnIntegers(op, left.IntResult, right.IntResult);
    case resDouble:
        return OnFloats(op, left.DblResult, right.DblResult);
    case resString:
        return OnStrings(op, left.StrResult, right.StrResult);
    default:
        return OnBooleans(op, left.BooResult, right.BooResult);
    }
}

TQREvResult TQREvElementOperator::Value(TQRFiFo& fifo) {
    TQREvResult left = fifo.NextValue();
    TQREvResult right = fifo.NextValue();
    return ApplyOperator(m_OpCode, std::move(left), std::move(right));
}

} // namespace zel
