#pragma once
// The value an expression computes: a kind and the matching payload. Texts
// (a String's value, an Error's message) are code page 932 of at most 255
// bytes, as the report's short strings hold them.

#include "framework/exceptions.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zel {

enum class TQREvResultType : std::uint8_t { resInt, resDouble, resString, resBool, resError };

inline constexpr std::size_t kQRMaxStringLength = 255;

struct TQREvResult {
    TQREvResultType Kind = TQREvResultType::resError;
    std::string StrResult; // String value, or the message of an Error
    bool BooResult = false;
    std::int32_t IntResult = 0;
    double DblResult = 0.0;
};

// Raised when an expression cannot be evaluated at all, or when an error
// value is turned into text.
class EQRExprError : public Exception {
public:
    using Exception::Exception;
};

TQREvResult IntResult(std::int32_t value);
TQREvResult FloatResult(double value);
// Longer texts are cut to 255 bytes, never inside a double-byte character.
TQREvResult StringResult(std::string_view text);
TQREvResult BoolResult(bool value);
TQREvResult ErrorResult(std::string_view message = {});

inline bool IsNumber(const TQREvResult& r) {
    return r.Kind == TQREvResultType::resInt || r.Kind == TQREvResultType::resDouble;
}
inline double AsDouble(const TQREvResult& r) {
    return r.Kind == TQREvResultType::resInt ? r.IntResult : r.DblResult;
}

// "True" or "False".
const std::string& BoolText(bool value);

// The text of a value as the report prints it; an Error raises EQRExprError
// with "式の間違い : %s".
std::string QREvResultToString(const TQREvResult& result);

// Case conversions that touch single-byte letters only, so the second byte
// of a double-byte character is never changed.
std::string AnsiUpper(std::string_view text);
std::string AnsiLower(std::string_view text);

} // namespace zel
