#pragma once
// Float texts as the report prints them: the shortest form with fifteen
// significant digits, and formatting by a picture such as "#,##0.00".

#include "platform/locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel {

// Fixed notation while the value has at most fifteen integer digits and is
// at least 0.0001 in size, else "1.5E20" / "1E-5"; "NAN", "INF", "-INF".
std::string FloatToStr(double value, char decimalSeparator = platform::DecimalSeparator());

// Picture letters: "0" digit or zero, "#" digit if any, "." decimal point,
// "," grouping by thousands, "E+"/"E-"/"e+"/"e-" scientific with the
// following zeros as exponent digits, text in '...' or "..." as it stands.
// Up to three sections split by ";": positive, negative, zero. An empty
// picture gives FloatToStr. Nothing when a quoted text is not closed.
std::optional<std::string> FormatFloat(std::string_view picture, double value,
                                       char decimalSeparator = platform::DecimalSeparator(),
                                       char thousandSeparator = ',');

} // namespace zel
