#include "report/expressions/float_text.h"

#include "platform/cp932.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace zel {
namespace {

constexpr int kPrecision = 15;
// Fixed pictures print whole digits only below this; larger values would
// print digits the double does not hold, so they fall back to FloatToStr.
constexpr double kFixedLimit = 1e18;
constexpr int kMaxDecimals = 18;

struct TDigits {
    std::string digits; // significant digits, no leading zero
    int exponent = 0;   // value = d.ddd * 10^exponent
};

// `count` significant digits of a positive finite value, correctly rounded.
// `count` digits; past the 18 a value holds, they are zeros (a picture may
// ask for any number of them).
TDigits Significant(double value, int count) {
    constexpr int kHeldDigits = 18;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", std::min(count, kHeldDigits) - 1, value);
    TDigits out;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            out.digits += *p;
    }
    out.exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    if (static_cast<int>(out.digits.size()) < count)
        out.digits.append(static_cast<std::size_t>(count) - out.digits.size(), '0');
    return out;
}

std::string Special(double value) {
    if (std::isnan(value))
        return "NAN";
    return value > 0 ? "INF" : "-INF";
}

} // namespace

std::string FloatToStr(double value, char decimalSeparator) {
    if (!std::isfinite(value))
        return Special(value);
    if (value == 0.0)
        return "0";
    TDigits d = Significant(std::fabs(value), kPrecision);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    std::string out = value < 0 ? "-" : "";
    const int e = d.exponent;
    if (e >= kPrecision || e < -4) {
        out += d.digits[0];
        if (d.digits.size() > 1)
            out += decimalSeparator + d.digits.substr(1);
        out += 'E' + std::to_string(e);
        return out;
    }
    if (e < 0)
        return out + '0' + decimalSeparator + std::string(-e - 1, '0') + d.digits;
    const std::size_t whole = static_cast<std::size_t>(e) + 1;
    if (d.digits.size() <= whole)
        return out + d.digits + std::string(whole - d.digits.size(), '0');
    return out + d.digits.substr(0, whole) + decimalSeparator + d.digits.substr(whole);
}

namespace {

// What one section of a picture asks for.
struct TSection {
    std::string_view text;
    int intPlaceholders = 0;
    int intZeros = 0;
    int fracPlaceholders = 0;
    int fracMinDigits = 0; // up to and including the last "0" after the point
    bool grouping = false;
    bool scientific = false;
    int expDigits = 0;
};

bool IsExponentMarker(std::string_view s, std::size_t i) {
    return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

TSection Analyse(std::string_view text) {
    TSection s;
    s.text = text;
    bool afterPoint = false;
    for (std::size_t i = 0; i < text.size(); i += cp932::CharLength(text, i)) {
        const char c = text[i];
        if (c == '\'' || c == '"') {
            i = text.find(c, i + 1); // closed: the caller checked
            continue;
        }
        if (IsExponentMarker(text, i)) {
            if (s.scientific)
                continue;
            s.scientific = true;
            i += 2;
            while (i < text.size() && text[i] == '0' && s.expDigits < 4) {
                ++s.expDigits;
                ++i;
            }
            --i;
            continue;
        }
        if (c == '0' || c == '#') {
            if (afterPoint) {
                ++s.fracPlaceholders;
                if (c == '0')
                    s.fracMinDigits = s.fracPlaceholders;
            } else {
                ++s.intPlaceholders;
                if (c == '0')
                    ++s.intZeros;
            }
        } else if (c == '.') {
            afterPoint = true;
        } else if (c == ',' && !afterPoint) {
            s.grouping = true;
        }
    }
    s.fracPlaceholders = std::min(s.fracPlaceholders, kMaxDecimals);
    s.fracMinDigits = std::min(s.fracMinDigits, kMaxDecimals);
    return s;
}

// The digits a section prints for a non-negative value.
struct TFilled {
    std::string whole;
    std::string fraction;
    int exponent = 0;
    bool zero = true;
};

TFilled Fill(const TSection& s, double value) {
    TFilled f;
    if (s.scientific) {
        const int lead = std::max(1, s.intPlaceholders);
        TDigits d = value == 0.0 ? TDigits{std::string(lead + s.fracPlaceholders, '0'), 0}
                                 : Significant(value, lead + s.fracPlaceholders);
        f.whole = d.digits.substr(0, lead);
        f.fraction = d.digits.substr(lead);
        f.exponent = value == 0.0 ? 0 : d.exponent - (lead - 1);
    } else {
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.*f", s.fracPlaceholders, value);
        std::string_view all(buf);
        const std::size_t point = all.find('.');
        f.whole = std::string(all.substr(0, point));
        if (point != std::string_view::npos)
            f.fraction = std::string(all.substr(point + 1));
        f.whole.erase(0, f.whole.find_first_not_of('0'));
        if (static_cast<int>(f.whole.size()) < s.intZeros)
            f.whole.insert(0, s.intZeros - f.whole.size(), '0');
    }
    for (char c : f.whole + f.fraction)
        f.zero = f.zero && c == '0';
    while (static_cast<int>(f.fraction.size()) > s.fracMinDigits && f.fraction.back() == '0')
        f.fraction.pop_back();
    return f;
}

std::string Render(const TSection& s, const TFilled& f, char decimalSeparator,
                   char thousandSeparator) {
    std::string out;
    const std::string_view text = s.text;
    const int length = static_cast<int>(f.whole.size());
    const int offset = length - s.intPlaceholders;
    auto emitWhole = [&](int index) {
        out += f.whole[index];
        const int remaining = length - 1 - index;
        if (s.grouping && remaining > 0 && remaining % 3 == 0)
            out += thousandSeparator;
    };
    int intSeen = 0;
    int fracSeen = 0;
    bool afterPoint = false;
    bool exponentDone = false;
    for (std::size_t i = 0; i < text.size(); i += cp932::CharLength(text, i)) {
        const char c = text[i];
        if (c == '\'' || c == '"') {
            const std::size_t close = text.find(c, i + 1);
            out.append(text.substr(i + 1, close - i - 1));
            i = close;
            continue;
        }
        if (s.scientific && !exponentDone && IsExponentMarker(text, i)) {
            exponentDone = true;
            out += c;
            if (f.exponent < 0)
                out += '-';
            else if (text[i + 1] == '+')
                out += '+';
            std::string digits = std::to_string(std::abs(f.exponent));
            if (static_cast<int>(digits.size()) < s.expDigits)
                digits.insert(0, s.expDigits - digits.size(), '0');
            out += digits;
            i += 2;
            for (int k = 0; k < s.expDigits; ++k)
                ++i;
            --i;
            continue;
        }
        if ((c == '0' || c == '#') && !afterPoint) {
            const int k = intSeen++;
            if (k == 0) {
                for (int idx = 0; idx <= offset && idx < length; ++idx)
                    emitWhole(idx);
            } else if (offset + k >= 0 && offset + k < length) {
                emitWhole(offset + k);
            }
        } else if ((c == '0' || c == '#') && afterPoint) {
            const int k = fracSeen++;
            if (k < static_cast<int>(f.fraction.size()))
                out += f.fraction[k];
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
            if (!f.fraction.empty())
                out += decimalSeparator;
        } else if (c != ',') {
            out.append(text.substr(i, cp932::CharLength(text, i)));
        }
    }
    return out;
}

// Sections split at ";" outside quotes; nothing when a quote is left open.
std::optional<std::vector<std::string_view>> Sections(std::string_view picture) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < picture.size(); i += cp932::CharLength(picture, i)) {
        const char c = picture[i];
        if (c == '\'' || c == '"') {
            const std::size_t close = picture.find(c, i + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            i = close;
        } else if (c == ';') {
            out.push_back(picture.substr(start, i - start));
            start = i + 1;
        }
    }
    out.push_back(picture.substr(start));
    return out;
}

} // namespace

std::optional<std::string> FormatFloat(std::string_view picture, double value,
                                       char decimalSeparator, char thousandSeparator) {
    const auto sections = Sections(picture);
    if (!sections)
        return std::nullopt;
    if (picture.empty() || !std::isfinite(value))
        return FloatToStr(value, decimalSeparator);
    const std::vector<std::string_view>& all = *sections;
    auto section = [&](std::size_t i) {
        return i < all.size() && !all[i].empty() ? std::optional(all[i]) : std::nullopt;
    };
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    const std::optional<std::string_view> own = negative ? section(1) : std::nullopt;
    TSection chosen = Analyse(own ? *own : all[0]);
    if (!chosen.scientific && magnitude >= kFixedLimit)
        return FloatToStr(value, decimalSeparator);
    TFilled filled = Fill(chosen, magnitude);
    if (filled.zero && section(2)) {
        chosen = Analyse(*section(2));
        filled = Fill(chosen, 0.0);
        return Render(chosen, filled, decimalSeparator, thousandSeparator);
    }
    std::string out = negative && !own && !filled.zero ? "-" : "";
    out += Render(chosen, filled, decimalSeparator, thousandSeparator);
    return out;
}

} // namespace zel
